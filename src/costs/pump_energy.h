// frmEnergiePW: coupling power, pumping volumes, electrical work and energy costs of a pump.
#pragma once

#include <string>

#include "shell/form_model.h"
#include "shell/value.h"

namespace morvane {

class PumpEnergyForm : public FormModel {
public:
    static constexpr const char* Name = "frmEnergiePW";
    explicit PumpEnergyForm(Application& app);

protected:
    void design() override;

private:
    // A field counts as filled when its text sorts after "0" by character codes.
    bool filled(std::string_view key) const;
    void Leistung();
    void Kosten();
    void menge();
    void visibleLeistung();
    void BerechnungQm3h();
    void unlock(std::string_view key);

    Value eta;
};

}  // namespace morvane
