// frmgroseKA: the part of a plant's investment that is not fee-eligible because the plant
// was built too large.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class OversizedPlantForm : public FormModel {
public:
    static constexpr const char* Name = "frmgroseKA";
    explicit OversizedPlantForm(Application& app);

    void Berechnung();
    // Closes the four text windows.
    void schließen();

protected:
    void design() override;

private:
    void reformat(std::string_view key, const char* pattern);
    void verdict();

    Num V = 0;               // existing reserve, TEW
    Num reserveProzent = 0;  // existing reserve, % (four decimals)
    Num C = 0;               // cost share of the load- and flow-dependent parts, Mio €
    Num F = 0;               // fee-eligible capacity, TEW
    Num E = 0;               // reduced cost share, Mio € (four decimals)
    Num N = 0;               // not fee-eligible, Mio €
    Num P = 0;               // not fee-eligible share (four decimals)
};

}  // namespace morvane
