// frmSchlamm: dry solids and sludge volume from the population, the dry mass or the volume.
#pragma once

#include "shell/form_model.h"

namespace morvane {

class SludgeQuantitiesForm : public FormModel {
public:
    static constexpr const char* Name = "frmSchlamm";
    explicit SludgeQuantitiesForm(Application& app);

protected:
    void design() override;

private:
    void fEW();
    void ftd();
    void fSVm3d();
    // After the field a routine starts from: the load per head, the dry solids and the days.
    void readOthers();
    // Dry mass per hour, population and dry mass per year from the dry mass per day.
    void fromDryMass();
    // The sludge volumes from the dry mass per hour.
    void volumes(Num TS, Num d);

    Num E = 0, g = 0, TS = 0, days = 0;
    Num kgh = 0, td = 0, ta = 0;
    Num m3h = 0, m3d = 0, m3a = 0;
};

}  // namespace morvane
