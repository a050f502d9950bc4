// frmgroseKA: the part of a plant's investment that is not fee-eligible because the plant
// was built too large.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class OversizedPlantForm : public FormModel {
public:
    explicit OversizedPlantForm(Application& app);

    void Berechnung();
    // Closes the four text windows.
    void schließen();

protected:
    void design() override;

private:
    void reformat(std::string_view key, const char* pattern);
    void verdict();

    double V = 0;               // existing reserve, TEW
    double reserveProzent = 0;  // existing reserve, % (four decimals)
    double C = 0;               // cost share of the load- and flow-dependent parts, Mio €
    double F = 0;               // fee-eligible capacity, TEW
    double E = 0;               // reduced cost share, Mio € (four decimals)
    double N = 0;               // not fee-eligible, Mio €
    double P = 0;               // not fee-eligible share (four decimals)
};

}  // namespace morvane
