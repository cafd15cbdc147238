#include "figure/jww_figure.h"
#include "render/gra_attribute.h"

namespace torvane {

void TJwwFigureData::SetGAttLayer() {
    gGraAtt.SetDefaultLayer();
    for (int i = 0; i < TgraAttribute::kLayerCount; ++i) {
        const std::size_t group = static_cast<std::size_t>(i / 16);
        const double scale = group < EntLgrp.size() ? EntLgrp[group].adScale : 1.0;
        // A group scale of 0 or less (or NaN) only comes from a header that failed its checks;
        // such a group is drawn at scale 1.
        gGraAtt.SetAttrLayer(i, 1, scale > 0 ? 1 / scale : 1.0);
    }
}

}  // namespace torvane
