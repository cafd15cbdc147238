#include "browse/figure_picture.h"

#include <algorithm>
#include <type_traits>

#include "figure/text_code_context.h"
#include "render/graph1.h"
#include "render/text_clock.h"
#include "render/thumbnail.h"
#include "util/files.h"

namespace torvane {

Bitmap TFigurePainter::Draw(const std::filesystem::path& file, int width, int height) {
    const std::u16string ext = ExtOf(file);
    if (!FileThere(file)) return Frame(width, height);
    if (ext == u".jws" && JWS) return ReadAndDraw(*JWS, file, width, height);
    if (ext == u".jwk" && JWK) return ReadAndDraw(*JWK, file, width, height);
    if (ext == u".jww" && JWW) return ReadAndDraw(*JWW, file, width, height);
    return Frame(width, height);
}

template <typename Figure>
Bitmap TFigurePainter::ReadAndDraw(Figure& figure, const std::filesystem::path& file, int width, int height) {
    if (!figure.FileCheck(file)) return Frame(width, height);
    ShowStatus(u"ファイル「" + PathText(file) + u"」を開いています");
    if (!figure.FileIn(file)) ui_.Message(u"メモリオーバーです。途中までのデータを開きます。");
    if constexpr (std::is_same_v<Figure, TJwwData>) figure.KeepShownLayers();
    ShowStatus(u"描画中です");
    TxtFileDate = FigureFileDate(file).value_or(TextCodeNow());
    Bitmap picture = DrawFigurePicture(figure, width, height, BackColor, device_);
    ShowStatus(u"");
    return picture;
}

Bitmap TFigurePainter::Frame(int width, int height) const {
    Bitmap picture(std::max(width, 1), std::max(height, 1));
    const std::unique_ptr<Device> device = device_(picture);
    TGraph1 graph(*device);
    graph.G_Start();
    graph.GCls(BackColor == 0 ? 0xFFFFFF : 0);
    graph.GPenSet(0xFF0000, 0, 0);
    graph.GBox(0, 0, picture.width - 1, picture.height - 1);
    graph.G_End();
    return picture;
}

void TFigurePainter::ShowStatus(std::u16string_view text) const {
    if (Status) Status(text);
}

}  // namespace torvane
