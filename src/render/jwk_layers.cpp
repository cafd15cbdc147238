#include "figure/jwk_data.h"
#include "render/gra_attribute.h"

namespace torvane {

// Every layer of a JWK figure is shown, at the reciprocal of the figure's scale.
void TJwkData::SetGAttLayer() {
    gGraAtt.SetDefaultLayer();
    const double scale = Enthd.scale;
    for (int i = 0; i < 256; ++i) gGraAtt.SetAttrLayer(i, 1, 1.0 / scale);
}

}  // namespace torvane
