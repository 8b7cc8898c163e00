#include "ostrimo/calc/Protubrack.h"

#include <cmath>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/GeometryNumerics.h"

namespace ostrimo {

using namespace detail;

void ComputeRackProtuberanceHeight() {
    ComputationScope computation;
    L H = G.haP02 * G.mn;
    if (G.jn > 0 && G.BacklashByThinning && G.ThinByRegrinding) {
        // the rack's share of the thinning
        const L s = G.jn * checks::ThinningShare(2);
        const L K = (Tan(G.alfan) - Tan(G.ProtuberanceAngle2)) * std::cos(static_cast<L>(G.alfan));
        // what the straight protuberance flank can take
        const L limit = K *
                        ((G.ToolAddendumFactor2 - G.haP02) -
                         (1 - std::sin(static_cast<L>(G.ProtuberanceAngle2))) * G.ToolCrestRadiusFactor2) *
                        G.mn;
        if (s > 0 && s <= limit) H += s / K;
    }
    G.RackFlankDepth = G.RackUsedDepth = static_cast<double>(H);
}

}  // namespace ostrimo
