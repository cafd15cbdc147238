#pragma once

namespace torvane {

// The shared view window, scale, device size and current extents, which drawing a picture
// changes: a window that draws while another view is current saves and restores them.
struct TDrawingState {
    double LogicWx1 = 0, LogicWy1 = 0, LogicWx2 = 0, LogicWy2 = 0, LogicScale = 0;
    double Phsx = 0, Phsy = 0;
    double MinWx = 0, MinWy = 0, MaxWx = 0, MaxWy = 0;

    static TDrawingState Current();
    void Restore() const;
};

}  // namespace torvane
