#include "layout_findings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "recording_platform.h"
#include "shell/application.h"
#include "shell/contrast.h"

namespace morvane::layout {

const char* const LongValue = "1.234.567.890,1234";

void showLongValues(Application& app) {
    for (FormModel* f : app.openForms())
        for (const Control& c : f->controls())
            if (isResult(c)) f->setCaption(c.key(), LongValue);
}

Box intersected(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

std::string size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h) + " px"; }

void Findings::add(const std::string& kind, const std::string& where, const std::string& detail,
                   bool perVariant) {
    const std::string key = kind + "|" + where + (perVariant ? "|" + variant : "");
    if (findings_.count(key)) return;
    findings_[key] = {kind, where, detail,
                      state + (perVariant && !variant.empty() ? ", Palette " + variant : "")};
}

int Findings::report(std::ostream& out) const {
    std::map<std::string, int> byKind;
    for (const auto& [key, f] : findings_) {
        out << f.kind << "  " << f.where << ": " << f.detail << "  [" << f.state << "]\n";
        ++byKind[f.kind];
    }
    out << findings_.size() << " findings";
    for (const auto& [kind, n] : byKind) out << ", " << kind << " " << n;
    out << "\n";
    return static_cast<int>(findings_.size());
}

void checkOverlaps(Findings& findings, const std::string& form, const std::vector<Ink>& inks,
                   const std::function<bool(std::size_t, std::size_t)>& nested) {
    for (std::size_t i = 0; i < inks.size(); ++i)
        for (std::size_t j = i + 1; j < inks.size(); ++j) {
            if (nested(i, j)) continue;
            const Box both = intersected(inks[i].box, inks[j].box);
            if (!both.empty())
                findings.add("Überlappung", form + "." + inks[i].key + " / " + inks[j].key,
                             "Texte überdecken sich auf " + size(both.width(), both.height()));
        }
}

std::string colourName(std::uint32_t rgb) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

void checkContrast(Findings& findings, const std::string& where, std::uint32_t fore,
                   std::uint32_t back) {
    const double ratio = contrastRatio(fore, back);
    if (ratio >= 4.5 - 1e-9) return;
    std::ostringstream d;
    d.precision(2);
    d << std::fixed << "Text " << colourName(fore) << " auf " << colourName(back) << ": " << ratio
      << ":1";
    findings.add("Kontrast", where, d.str(), true);
}

void checkDisabledLook(Findings& findings, const std::string& where, std::uint32_t fore,
                       std::uint32_t back, std::uint32_t disabledFore, std::uint32_t disabledBack) {
    const double active = contrastRatio(fore, back),
                 disabled = contrastRatio(disabledFore, disabledBack);
    if (disabled > 0.6 * active && disabledBack == back)
        findings.add("nicht grau", where,
                     "gesperrt, aber Text " + colourName(disabledFore) + " auf " +
                         colourName(disabledBack) + " wie freigegeben",
                     true);
}

void WindowChecks::checkLongValues(Application& app, Findings& findings) {
    showLongValues(app);
    const std::string was = findings.state;
    findings.state += ", lange Werte";
    checkAll(app);
    findings.state = was;
}

void exploreWindows(Findings& findings, WindowChecks& checks, const std::string& only) {
    for (const std::string& name : Application::registeredForms()) {
        if (!only.empty() && name != only) continue;
        RecordingPlatform platform;
        Application app(platform);
        checks.begin(app);
        app.open(name);
        if (app.isOpen(name)) {
            FormModel& f = app.model(name);
            findings.state = "geöffnet";
            checks.checkAll(app);
            for (const Control& c : f.controls()) {
                if (c.kind != Kind::Tab || !app.isOpen(name)) continue;
                for (int i = 0; i < static_cast<int>(c.tabs.size()); ++i) {
                    checks.showTab(f, c, i);
                    findings.state = "Reiter " + std::to_string(i) + " von " + c.key();
                    checks.checkAll(app);
                }
            }
            std::vector<std::string> choices;
            for (const Control& c : f.controls())
                if (c.kind == Kind::Option || c.kind == Kind::CheckBox) choices.push_back(c.key());
            for (const std::string& key : choices) {
                if (!app.isOpen(name) || !f.reachable(key)) continue;
                f.click(key);
                findings.state = "nach Klick auf " + key;
                checks.checkAll(app);
            }
            if (app.isOpen(name)) {
                findings.state = "Auswahl durchgeklickt";
                checks.checkLongValues(app, findings);
            }
        }
        for (FormModel* open : app.openForms()) app.close(open->name());
        checks.end();
    }
}

}  // namespace morvane::layout
