// frmKreis: diameter and area of a circle, height and volume of a cylinder on it.
#pragma once

#include <string>

#include "shell/form_model.h"

namespace morvane {

class CircleCylinderForm : public FormModel {
public:
    static constexpr const char* Name = "frmKreis";
    explicit CircleCylinderForm(Application& app);

protected:
    void design() override;

private:
    // A quantity is unset, typed (then its field's current text is its value) or computed.
    struct Quantity {
        enum class State { Unset, Typed, Computed } state = State::Unset;
        double number = 0;
    };
    Num value(const Quantity& q, std::string_view field) const;
    // Set and not 0 or empty: a typed value by its text, a computed one by its number.
    bool isSet(const Quantity& q, std::string_view field) const;
    void typed(Quantity& q) { q.state = Quantity::State::Typed; }
    void computed(Quantity& q, double v) { q = {Quantity::State::Computed, v}; }
    void write(std::string_view field, double v);

    void BerechnungFläche();
    void BerechnungDurchmesser();
    void BerechnungZylindervolumen();
    void BerechnungZylinderhöhe();

    Quantity d, A, h, V;
};

}  // namespace morvane
