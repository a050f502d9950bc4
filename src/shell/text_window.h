// A window that shows one long read-only info text, with optional bold headings above it.
#pragma once

#include <string>
#include <vector>

#include "shell/form_model.h"

namespace morvane {

struct Heading {
    const char* caption;
    int left, top, width;
};

class TextWindow : public FormModel {
protected:
    TextWindow(Application& app, const char* name, const char* title, const char* text, int width,
               int height, std::vector<Heading> headings = {});
    void design() override;

private:
    const char* title_;
    const char* text_;
    int width_, height_;
    std::vector<Heading> headings_;
};

}  // namespace morvane
