// frmAutor: the newsletter advertisement with its picture.
#pragma once

#include "shell/info_window.h"

namespace morvane {

class AuthorWindow : public InfoWindow {
public:
    static constexpr const char* Name = "frmAutor";
    explicit AuthorWindow(Application& app);

protected:
    void design() override;
};

}  // namespace morvane
