#include "ostrimo/calc/Vypocty.h"

#include <algorithm>
#include <cmath>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/GeometryNumerics.h"

namespace ostrimo {

using namespace detail;

void ComputeBevelActiveDiameters() {
    ComputationScope computation;
    G.MeshEndDiameter1 = std::max(std::min(G.MeshEndDiameter1, G.da1), G.db1);
    G.MeshEndDiameter2 = std::max(std::min(G.MeshEndDiameter2, G.da2), G.db2);
    if (G.MeshEndDiameter1 >= G.db1 && G.MeshEndDiameter2 >= G.db2) {
        const L g1 = std::sqrt(static_cast<L>(G.MeshEndDiameter1) * G.MeshEndDiameter1 - static_cast<L>(G.db1) * G.db1);
        const L g2 = std::sqrt(static_cast<L>(G.MeshEndDiameter2) * G.MeshEndDiameter2 - static_cast<L>(G.db2) * G.db2);
        G.epsilonalfa = static_cast<double>(((g1 + g2) / 2 - std::sin(static_cast<L>(G.alfawtCheck)) * G.awCheck) /
                                            (std::cos(static_cast<L>(G.alfat)) * kPiL * G.mtm));
    }
    if ((G.InvoluteStartDiameter1 + G.InvoluteStartDiameter2) / 2 >= G.awCheck) G.epsilonalfa = 0;
    if (G.beta <= 1e-7) {
        G.epsilonbeta = 0;
        G.epsilongamma = G.epsilonalfa;
        return;
    }
    double v = 0;
    FindBevelCircleLineIntersection(v);
    const L r = G.Le - static_cast<L>(G.b);
    G.epsilonbeta = static_cast<double>(
        G.Le * (std::atan(v / std::sqrt(r * r - static_cast<L>(v) * v)) + G.beta - G.betaMeanBevel) / (kPiL * G.mn));
    G.epsilongamma = G.epsilonalfa + G.epsilonbeta;
}

}  // namespace ostrimo
