// The start window: a menu bar that opens every calculator and hands links to the shell.
#pragma once

#include <string>

#include "shell/form_model.h"

namespace morvane {

class StartWindow : public FormModel {
public:
    static constexpr const char* Name = "frmStart";
    explicit StartWindow(Application& app);

    // Closes the windows of the fixed close list, in its order.
    void schließen();
    // The address the last link entry passed to the shell.
    const std::string& adresse() const { return Adresse; }

protected:
    void design() override;

private:
    void openWindow(const std::string& form, bool closeFirst = true);
    void openLink(const char* address);

    std::string Adresse;
};

// Hands an address to the desktop's default handler; a failure is ignored.
void AdresseÖffnen(Platform& platform, const std::string& address);

}  // namespace morvane
