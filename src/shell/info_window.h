// A window without calculations: fixed texts and buttons that hand an address to the shell.
#pragma once

#include <string>

#include "shell/form_model.h"
#include "shell/start_window.h"

namespace morvane {

class InfoWindow : public FormModel {
protected:
    using FormModel::FormModel;

    // A click on the button stores the address and hands it to the shell.
    void link(const char* button, const char* address) {
        on(On::Click, button, [this, address] {
            adresse_ = address;
            AdresseÖffnen(platform(), adresse_);
        });
    }

private:
    std::string adresse_;
};

}  // namespace morvane
