#pragma once
#include <filesystem>
#include <optional>

#include "figure/figure_kind.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jww_figure.h"
#include "platform/bitmap.h"
#include "platform/clock.h"
#include "platform/device.h"

namespace torvane {

// Fits the shared current extents (MinWx .. MaxWy) into a W x H device: the figure fills 90 %
// of the limiting side and is centred. Sets Phsx, Phsy, LogicScale and the view window.
void FitViewToExtents(int width, int height);
// The same fit with spans not above `min_span` taken as min_span, the scale multiplied by
// `zoom` and the view window moved by (pan_x, pan_y) device pixels, x to the right, y upwards.
void FitViewToExtents(int width, int height, double min_span, double zoom, int pan_x, int pan_y);

// Paints a figure whose extents and view are set onto `bitmap`: the background cleared (0
// white, 1 black), a blue frame along the edges, then the figure.
void PaintFigure(TJwwFigureData& figure, Bitmap& bitmap, int back_color_no,
                 const DeviceFactory& device = CreateDevice);

// Draws a figure already read into a W x H picture as the clip thumbnails are drawn: drawing
// attributes reset for the background (0 white, 1 black), layer scales loaded, extents
// computed, view fitted, background cleared, a blue frame along the edges, then the figure.
// The caller sets TxtFileDate first (FigureFileDate). `device` makes the drawing device.
Bitmap DrawFigurePicture(TJwwFigureData& figure, int width, int height, int back_color_no,
                         const DeviceFactory& device = CreateDevice);
Bitmap DrawFigurePicture(TJwkData& figure, int width, int height, int back_color_no,
                         const DeviceFactory& device = CreateDevice);

// The modification time of a figure file as the date text codes print it: local time,
// truncated to the two-second resolution of DOS file dates. Nothing when it cannot be read.
std::optional<LocalTime> FigureFileDate(const std::filesystem::path& path);

// A clip's thumbnail: reads the figure stream `figure_file` into `jcf` (which keeps it), draws
// it into a W x H picture and saves it as the Windows bitmap `bitmap_file`, replacing an older
// one. Nothing is drawn or written when the file is missing or not a readable figure stream.
// The picture, or nothing.
std::optional<Bitmap> MakeThumbnail(TJcfData& jcf, const std::filesystem::path& figure_file,
                                    const std::filesystem::path& bitmap_file, int width, int height,
                                    int back_color_no, const DeviceFactory& device = CreateDevice);

// Reads a figure file of the given kind (found from its first bytes when not given) and draws
// it as a thumbnail is drawn (a drawing without its hidden layers and layer groups); nothing
// when the file cannot be read as that kind.
std::optional<Bitmap> DrawFigureFile(const std::filesystem::path& path, int width, int height, int back_color_no,
                                     std::optional<FigureKind> kind = std::nullopt);

}  // namespace torvane
