#pragma once

namespace torvane {

// The shared view window, scale and device size and the current extents. One picture is drawn
// at a time; a window that draws while another view is current keeps a copy and puts it back.
struct TSharedView {
    double LogicWx1 = 0, LogicWy1 = 0, LogicWx2 = 0, LogicWy2 = 0, LogicScale = 0;
    double Phsx = 0, Phsy = 0;
    double MinWx = 0, MinWy = 0, MaxWx = 0, MaxWy = 0;

    // The values the globals hold now.
    static TSharedView Current();
    // Puts these values back into the globals.
    void Restore() const;
    bool operator==(const TSharedView&) const = default;
};

}  // namespace torvane
