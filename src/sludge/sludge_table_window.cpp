#include "sludge/sludge_table_window.h"

#include "shell/application.h"
#include "shell/number_text.h"

namespace morvane {

SludgeTableWindow::SludgeTableWindow(Application& app, const char* name, const char* title,
                                     int width, int height, std::vector<SludgeKind> kinds,
                                     bool backToFront)
    : FormModel(app, name),
      title_(title),
      width_(width),
      height_(height),
      kinds_(std::move(kinds)) {
    for (const SludgeKind& k : kinds_) {
        on(On::Click, k.option, [this, k, backToFront] {
            FormModel& sludge = this->app().open("frmSchlamm");
            sludge.setText("txtgEd", k.gEd);
            sludge.setText("txtTS", NumberText::plain(k.ts));
            if (backToFront) this->app().open(this->name());
        });
    }
}

void SludgeTableWindow::design() {
    win() = {
        .title = title_, .clientWidth = width_, .clientHeight = height_, .left = 4575, .top = 1530};

    const int rowHeight = 300;
    const int frameHeight = 240 + static_cast<int>(kinds_.size()) * rowHeight + 120;
    add(Kind::Frame, "Frame1").at(120, 60, width_ - 240, frameHeight);
    int top = 240;
    int tab = 0;
    for (const SludgeKind& k : kinds_) {
        option(k.option, "Frame1", k.caption, 240, top, width_ - 600, 285).tab(tab++);
        top += rowHeight;
    }
    note("Label1",
         "Mit der Option werden nur Daten in die Felder \"g/Ed\"und \"%TS\" übertragen. "
         "Für die Berechnung ist eine Aktualisierung durch Dateneingabe erforderlich!",
         120, frameHeight + 120, width_ - 240, height_ - frameHeight - 180);
}

}  // namespace morvane
