#include "shell/text_window.h"

namespace morvane {

TextWindow::TextWindow(Application& app, const char* name, const char* title, const char* text,
                       int width, int height, std::vector<Heading> headings)
    : FormModel(app, name),
      title_(title),
      text_(text),
      width_(width),
      height_(height),
      headings_(std::move(headings)) {}

void TextWindow::design() {
    win() = {.title = title_, .clientWidth = width_, .clientHeight = height_};
    int top = 120;
    int index = 0;
    for (const Heading& h : headings_) {
        add(Kind::Label, "Label1", index++)
            .caption(h.caption)
            .at(h.left, h.top, h.width, 300)
            .font("MS Sans Serif", 9.75, true);
        top = std::max(top, h.top + 420);
    }
    add(Kind::TextBox, "Text1")
        .caption(text_)
        .at(120, top, width_ - 240, height_ - top - 120)
        .infoText()
        .tab(0);
}

}  // namespace morvane
