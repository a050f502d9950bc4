// frmEW: daily wastewater loads of a population from two tables of per-inhabitant values.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class PopulationLoadsForm : public FormModel {
public:
    static constexpr const char* Name = "frmEW";
    explicit PopulationLoadsForm(Application& app);

protected:
    void design() override;

private:
    void Tabelle1();
    void Tabelle2();
    // Writes EW times the factor into a cell, as plain text and then with one decimal.
    void cell(std::string_view key, double factor);
};

}  // namespace morvane
