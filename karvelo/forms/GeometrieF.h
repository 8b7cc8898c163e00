// Unit GeometrieF: the geometry window "Gearing geometry".  Its fields show the pair's
// geometry; the main window and the calculation write the recomputed values into them.
#pragma once

#include <memory>
#include <string>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TGeometrie_F : public ui::Form {
public:
    TGeometrie_F();

    // Edit1..Edit20: z1, z2, mn, beta, alfan, x1, x2, a, haP1, haP2, caP1, caP2, RofP1, RofP2,
    // da1, da2, Protub1, Protub2, z0, x0.
    ui::Edit* EditField(int number) const { return fields_->Edit(number); }
    ui::Button* Button1;  // "&OK"

    // Reruns the gear dimensions and the tip thickness and shows x1, x2, a, da1, da2 and the
    // root radius coefficients.
    void UpdateGeometryForm();
    void FormPaint();
    void Button1Click();

private:
    std::unique_ptr<FieldColumn> fields_;
};

extern TGeometrie_F* Geometrie_F;

}  // namespace karvelo
