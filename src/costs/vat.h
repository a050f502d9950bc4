// frmEuro: net, value-added tax and gross amounts in euro and Deutsche Mark.
#pragma once

#include <functional>

#include "shell/form_model.h"
#include "shell/value.h"

namespace morvane {

class VatForm : public FormModel {
public:
    static constexpr const char* Name = "frmEuro";
    explicit VatForm(Application& app);

    // Recomputes tax and gross from the net amounts after a change of the rate.
    void FunktionUSTProzent();
    // The white, flat layout for copying the window.
    void Kopierformat();

protected:
    void design() override;

private:
    // An amount field's key reaction: unlocks the rate field, then runs body guarded.
    void amountReaction(const char* field, std::function<void()> body);
    Num rate() const { return num("USTProzent"); }
    // The text of a field as a four-decimal fixed-point amount.
    Num fixed(std::string_view key) const;
    void amount(std::string_view key, Num value);

    Value Kurs;
    Num Steuer = 0;
    Num Netto = 0;
};

}  // namespace morvane
