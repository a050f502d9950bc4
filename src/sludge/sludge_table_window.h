// A table of sludge kinds: each option writes its g/Ed and % TS into the sludge window.
#pragma once

#include <vector>

#include "shell/form_model.h"

namespace morvane {

struct SludgeKind {
    const char* option;  // control name
    const char* caption;
    const char* gEd;  // text written into txtgEd
    double ts;        // % TS, written as its plain text
};

class SludgeTableWindow : public FormModel {
protected:
    SludgeTableWindow(Application& app, const char* name, const char* title, int width, int height,
                      std::vector<SludgeKind> kinds, bool backToFront);
    void design() override;

private:
    const char* title_;
    int width_, height_;
    std::vector<SludgeKind> kinds_;
};

}  // namespace morvane
