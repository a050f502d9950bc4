#include "layout_findings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "recording_platform.h"
#include "replay.h"
#include "replay_driver.h"
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

void Findings::know(std::istream& list) {
    for (std::string line; std::getline(list, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty() && line.front() != '#') known_.insert(line);
    }
}

int Findings::report(std::ostream& out) const {
    std::map<std::string, int> byKind;
    std::set<std::string> seen;
    std::ostringstream known;
    int count = 0;
    for (const auto& [key, f] : findings_) {
        const std::string name = f.kind + "  " + f.where;
        seen.insert(name);
        std::ostream& to = known_.count(name) ? known : out;
        to << name << ": " << f.detail << "  [" << f.state << "]\n";
        if (known_.count(name)) continue;
        ++byKind[f.kind];
        ++count;
    }
    out << count << " findings";
    for (const auto& [kind, n] : byKind) out << ", " << kind << " " << n;
    out << "\n";
    if (!known.str().empty()) out << "known, not counted:\n" << known.str();
    for (const std::string& name : known_)
        if (!seen.count(name)) out << "known but no longer found (off the list): " << name << "\n";
    return count;
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

namespace {

// Drives a scenario's form models as morvane-replay does, with the check's windows on them,
// and checks the windows after every action.
class CheckingDriver : public ModelDriver {
public:
    CheckingDriver(Findings& findings, WindowChecks& checks, std::string file)
        : findings_(findings), checks_(checks), file_(std::move(file)) {
        checks_.begin(app());
    }
    ~CheckingDriver() override {
        findings_.state = file_ + ", Ende";
        checks_.checkLongValues(app(), findings_);
        checks_.end();  // the windows go while their forms are still open
    }
    CheckingDriver(const CheckingDriver&) = delete;
    CheckingDriver& operator=(const CheckingDriver&) = delete;

    void open(const std::string& form) override {
        act([&] { ModelDriver::open(form); });
    }
    void close(const std::string& form) override {
        act([&] { ModelDriver::close(form); });
    }
    void menu(FormModel& owner, const std::string& key) override {
        act([&] { ModelDriver::menu(owner, key); });
    }
    void submenu(FormModel& owner, const std::string& key) override {
        act([&] { ModelDriver::submenu(owner, key); });
    }
    void type(FormModel& f, const std::string& key, const std::string& text,
              bool replace) override {
        act([&] { ModelDriver::type(f, key, text, replace); });
    }
    void key(FormModel& f, const std::string& key, int code) override {
        act([&] { ModelDriver::key(f, key, code); });
    }
    void keyUp(FormModel& f, const std::string& key, int code) override {
        act([&] { ModelDriver::keyUp(f, key, code); });
    }
    void paste(FormModel& f, const std::string& key, const std::string& text) override {
        act([&] { ModelDriver::paste(f, key, text); });
    }
    void click(FormModel& f, const std::string& key) override {
        act([&] { ModelDriver::click(f, key); });
    }
    void select(FormModel& f, const std::string& key, int index) override {
        act([&] { ModelDriver::select(f, key, index); });
    }
    void scroll(FormModel& f, const std::string& key, int value) override {
        act([&] { ModelDriver::scroll(f, key, value); });
    }
    void hover(FormModel& f, const std::string& key) override {
        act([&] { ModelDriver::hover(f, key); });
    }
    void hoverWindow(FormModel& f) override {
        act([&] { ModelDriver::hoverWindow(f); });
    }
    void tick(FormModel& f, const std::string& key) override {
        act([&] { ModelDriver::tick(f, key); });
    }
    void tabPage(FormModel& f, const std::string& key, int page) override {
        act([&] { ModelDriver::tabPage(f, key, page); });
    }

private:
    template <class Body>
    void act(const Body& body) {
        body();
        findings_.state = file_ + ", Schritt " + std::to_string(++step_);
        checks_.checkAll(app());
    }

    Findings& findings_;
    WindowChecks& checks_;
    std::string file_;
    int step_ = 0;
};

}  // namespace

std::string scenarioName(const std::filesystem::path& file) {
    std::string name = file.generic_string();
    if (auto at = name.rfind("scenarios/"); at != std::string::npos) name = name.substr(at + 10);
    return name;
}

std::vector<std::filesystem::path> readArguments(Findings& findings,
                                                 std::vector<std::filesystem::path> args) {
    if (args.size() >= 2 && args.front() == "--known") {
        std::ifstream list(args[1]);
        if (!list) throw std::runtime_error(args[1].generic_string() + ": cannot be read");
        findings.know(list);
        args.erase(args.begin(), args.begin() + 2);
    }
    return args;
}

int walkScenarios(Findings& findings, WindowChecks& checks,
                  const std::vector<std::filesystem::path>& files, std::ostream& err) {
    int run = 0;
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file);
        if (!in) {
            err << file.generic_string() << ": cannot be read\n";
            continue;
        }
        CheckingDriver driver(findings, checks, scenarioName(file));
        std::ostringstream ignored;
        runScenario(in, file.generic_string(), ignored, driver);
        ++run;
    }
    return run;
}

}  // namespace morvane::layout
