// frmCs: oxygen saturation of water by temperature, and a measured concentration against it.
#pragma once

#include <array>
#include <string>

#include "shell/form_model.h"
#include "shell/value.h"

namespace morvane {

class OxygenSaturationForm : public FormModel {
public:
    static constexpr const char* Name = "frmCs";
    explicit OxygenSaturationForm(Application& app);

    // Saturation concentration in mg O2/l for 0.0 to 41.0 °C in steps of 0.1 °C.
    static const std::array<double, 411>& table();
    // The entry for a temperature that is exactly one of the table's, else none (-1).
    static int entry(double temperature);

protected:
    void design() override;

private:
    void temperatureReaction();
    void concentrationReaction();
    void showRelative(double value);
    std::string clipboardLine() const;

    Value temperatur;
    Value Cs;
    Value Cx;
    Num relativeKonzentration = 0;
    Num verhältnis = 0;
    std::string zwischenablage;
};

}  // namespace morvane
