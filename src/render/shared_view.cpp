#include "render/shared_view.h"

#include "figure/extents.h"
#include "render/graph1.h"

namespace torvane {

TSharedView TSharedView::Current() {
    return {::torvane::LogicWx1, ::torvane::LogicWy1, ::torvane::LogicWx2, ::torvane::LogicWy2,
            ::torvane::LogicScale, ::torvane::Phsx, ::torvane::Phsy, ::torvane::MinWx,
            ::torvane::MinWy, ::torvane::MaxWx, ::torvane::MaxWy};
}

void TSharedView::Restore() const {
    ::torvane::LogicWx1 = LogicWx1;
    ::torvane::LogicWy1 = LogicWy1;
    ::torvane::LogicWx2 = LogicWx2;
    ::torvane::LogicWy2 = LogicWy2;
    ::torvane::LogicScale = LogicScale;
    ::torvane::Phsx = Phsx;
    ::torvane::Phsy = Phsy;
    ::torvane::MinWx = MinWx;
    ::torvane::MinWy = MinWy;
    ::torvane::MaxWx = MaxWx;
    ::torvane::MaxWy = MaxWy;
}

}  // namespace torvane
