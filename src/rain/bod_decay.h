// frmBSB: first-order decay of biologically degradable carbon (BOD), with two decay tables.
#pragma once

#include "shell/form_model.h"
#include "shell/value.h"

namespace morvane {

class BodDecayForm : public FormModel {
public:
    static constexpr const char* Name = "frmBSB";
    explicit BodDecayForm(Application& app);

protected:
    void design() override;

private:
    void legend(int index, int page, int left, int top);
    void Abbau();
    void FehlerNull();
    // The decay tables: days in column A, the decay in column B, "Markierung" in column C of
    // the first day on which 99 % of the ultimate BOD is reached.
    void fillTable(const char* sheet, const char* heading, double ultimate, double k);
    void relativeTable();
    void absoluteTable();

    Value BSB5, k1, temperatur, CSB;
    Num k1T = 0, y5 = 0, relativ = 0, L = 0, BSB25 = 0, t99 = 0, t9999 = 0;
    Num schwer = 0, schwerZeit = 0, schwerTag = 0, nichtAbbaubar = 0, nichtProzent = 0;
};

}  // namespace morvane
