#include "render/thumbnail.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "figure/extents.h"
#include "figure/figure_file.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"
#include "figure/text_code_context.h"
#include "platform/device.h"
#include "platform/file_times.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "render/text_clock.h"
#include "util/bmp_file.h"

namespace torvane {
namespace {

template <typename Figure>
void Paint(Figure& figure, Bitmap& bitmap, int back_color_no, const DeviceFactory& make_device) {
    const std::unique_ptr<Device> device = make_device(bitmap);
    TGraph1 graph(*device);
    gGraph1 = &graph;
    graph.G_Start();
    graph.GCls(back_color_no == 0 ? 0xFFFFFF : 0);
    graph.GPenSet(0xFF0000, 0, 0);
    graph.GBox(0, 0, bitmap.width - 1, bitmap.height - 1);
    figure.GLDrawALL();
    graph.G_End();
    gGraph1 = nullptr;
}

template <typename Figure>
Bitmap DrawPicture(Figure& figure, int width, int height, int back_color_no,
                   const DeviceFactory& make_device = CreateDevice) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    Bitmap bitmap(width, height);
    gGraAtt.SetBackColor(back_color_no);
    RestoreColorDefaults();
    RestoreLtypeDefaults();
    figure.SetGAttLayer();
    figure.GetMinMaxZahyo();
    FitViewToExtents(width, height);
    Paint(figure, bitmap, back_color_no, make_device);
    return bitmap;
}

}  // namespace

void FitViewToExtents(int width, int height) { FitViewToExtents(width, height, 1e-14, 1.0, 0, 0); }

void FitViewToExtents(int width, int height, double min_span, double zoom, int pan_x, int pan_y) {
    Phsx = width;
    Phsy = height;
    double dx = std::abs(MaxWx - MinWx);
    double dy = std::abs(MaxWy - MinWy);
    if (!(dx > min_span)) dx = min_span;
    if (!(dy > min_span)) dy = min_span;
    const double sx = width / dx * 0.9;
    const double sy = height / dy * 0.9;
    LogicScale = (sx < sy ? sx : sy) * zoom;
    const double cx = (MaxWx + MinWx) / 2;
    const double cy = (MaxWy + MinWy) / 2;
    LogicWx1 = cx - width / 2.0 / LogicScale + pan_x / LogicScale;
    LogicWy1 = cy - height / 2.0 / LogicScale + pan_y / LogicScale;
    LogicWx2 = cx + width / 2.0 / LogicScale + pan_x / LogicScale;
    LogicWy2 = cy + height / 2.0 / LogicScale + pan_y / LogicScale;
}

void PaintFigure(TJwwFigureData& figure, Bitmap& bitmap, int back_color_no, const DeviceFactory& device) {
    Paint(figure, bitmap, back_color_no, device);
}

Bitmap DrawFigurePicture(TJwwFigureData& figure, int width, int height, int back_color_no,
                         const DeviceFactory& device) {
    return DrawPicture(figure, width, height, back_color_no, device);
}

Bitmap DrawFigurePicture(TJwkData& figure, int width, int height, int back_color_no,
                         const DeviceFactory& device) {
    return DrawPicture(figure, width, height, back_color_no, device);
}

std::optional<LocalTime> FigureFileDate(const std::filesystem::path& path) {
    const std::optional<FileTimes> times = GetFileTimes(path);
    if (!times) return std::nullopt;
    LocalTime t = LocalTimeOfFileTime(times->write);
    t.second -= t.second % 2;
    t.millisecond = 0;
    return t;
}

}  // namespace torvane

namespace torvane {
namespace {

template <typename Figure>
std::optional<Bitmap> ReadAndDraw(const std::filesystem::path& path, int width, int height, int back_color_no) {
    Figure figure;
    if (!figure.FileCheck(path) || !figure.FileIn(path)) return std::nullopt;
    if constexpr (std::is_same_v<Figure, TJwwData>) figure.KeepShownLayers();
    TxtFileDate = FigureFileDate(path).value_or(TextCodeNow());
    return DrawFigurePicture(figure, width, height, back_color_no);
}

}  // namespace

std::optional<Bitmap> MakeThumbnail(TJcfData& jcf, const std::filesystem::path& figure_file,
                                    const std::filesystem::path& bitmap_file, int width, int height,
                                    int back_color_no, const DeviceFactory& device) {
    std::error_code error;
    if (figure_file.empty() || !std::filesystem::is_regular_file(figure_file, error)) return std::nullopt;
    if (!jcf.FileCheck(figure_file) || !jcf.FileIn(figure_file)) return std::nullopt;
    TxtFileDate = FigureFileDate(figure_file).value_or(TextCodeNow());
    Bitmap picture = DrawFigurePicture(jcf, width, height, back_color_no, device);
    SaveBmp(picture, bitmap_file);
    return picture;
}

std::optional<Bitmap> DrawFigureFile(const std::filesystem::path& path, int width, int height, int back_color_no,
                                     std::optional<FigureKind> kind) {
    if (!kind) kind = FigureKindOfFile(path);
    if (!kind) return std::nullopt;
    switch (*kind) {
        case FigureKind::Jws: return ReadAndDraw<TJwsData>(path, width, height, back_color_no);
        case FigureKind::Jwk: return ReadAndDraw<TJwkData>(path, width, height, back_color_no);
        case FigureKind::Jww: return ReadAndDraw<TJwwData>(path, width, height, back_color_no);
        case FigureKind::Jcf: break;
    }
    return ReadAndDraw<TJcfData>(path, width, height, back_color_no);
}

}  // namespace torvane
