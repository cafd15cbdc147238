#pragma once
#include <filesystem>
#include <string_view>
#include <utility>

#include "app/palette_layout.h"
#include "figure/jcf_data.h"
#include "platform/bitmap.h"
#include "platform/device.h"
#include "render/shared_view.h"

namespace torvane {

// The viewer's status bar.
inline constexpr std::u16string_view ViewerStatusText = u"※図形は簡易表示です";

// Virtual-key codes the viewer handles.
enum TViewerKey : int {
    VkEscape = 0x1B,
    VkPageUp = 0x21,
    VkPageDown = 0x22,
    VkHome = 0x24,
    VkLeft = 0x25,
    VkUp = 0x26,
    VkRight = 0x27,
    VkDown = 0x28,
};

// The clip viewer window as TForm3 drives it.
class TForm3View {
public:
    virtual ~TForm3View() = default;
    // The drawing area's current size.
    virtual TSize DrawingSize() = 0;
    // Replaces the drawing area's picture; a left click on it comes back as PictureMouseDown.
    virtual void ShowPicture(const Bitmap& picture) = 0;
    // Leaves the drawing area blank.
    virtual void ClearPicture() = 0;
    virtual void SetStatusText(std::u16string_view text) = 0;
    // The keyboard focus to the small field of the bottom bar.
    virtual void FocusEdit1() = 0;
    virtual void Close() = 0;
};

// The clip viewer: one clip's figure enlarged 1 to 50 times, moved by keys and clicks. It draws
// with the shared view state and puts back what another view had there when it closes.
class TForm3 {
public:
    // `device` makes the device the pictures are drawn with.
    explicit TForm3(DeviceFactory device = CreateDevice) : device_(std::move(device)) {}

    // Shows the figure: the shared view state is kept in Bk, the zoom and pan reset, the figure
    // read into JCF and drawn. A file that is missing or unreadable leaves the window blank.
    void FormShow(TForm3View& view);
    // Frees the picture and the document, then restores the shared view state.
    void FormClose(TForm3View& view);
    // "１倍" (factor 1, also centring again), "２倍", "５倍", "10倍", "20倍", "50倍".
    void ZoomButtonClick(TForm3View& view, int factor);
    // A key before the focused control sees it; true when the viewer used it.
    bool KeyDown(TForm3View& view, int key);
    // Left button on the picture at (x, y): that point becomes the centre.
    void PictureMouseDown(TForm3View& view, int x, int y);
    // The mouse wheel turned by `delta` (120 a notch, forwards positive): a zoom step per
    // notch, as Page Up and Page Down.
    void MouseWheel(TForm3View& view, int delta);
    // Draws the figure at the drawing area's current size with the zoom and pan.
    void Draw(TForm3View& view);

    void PageUp();
    void PageDown();

    TJcfData* JCF = nullptr;          // the main window's document, set before showing
    std::filesystem::path S_FName;    // figure stream file; emptied when it cannot be read
    double bai = 1;                   // zoom, 1 to 50
    int px = 0;                       // pan in device pixels, x to the right
    int py = 0;                       // and y upwards
    TSharedView Bk;                   // the shared view state from before showing
    TRect Bounds;                     // window position and size

private:
    DeviceFactory device_;
    int wheel_ = 0;  // wheel turn not yet a whole notch
};

}  // namespace torvane
