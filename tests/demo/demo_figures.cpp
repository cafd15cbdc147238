#include "demo_figures.h"

#include <cstdint>
#include <numbers>
#include <utility>

#include "figure/jcf_data.h"
#include "support/test_files.h"

namespace torvane::test {
namespace fs = std::filesystem;
namespace {

// Real figures whose thumbnails differ at a glance; the last one copied is the newest clip.
constexpr const char* kRealStreams[] = {"jww-1.1", "2-circles-blocks.1", "Test1.1"};

TEntJwwAttr Pen(std::uint16_t color) {
    TEntJwwAttr att;
    att.nPenStyle = 1;
    att.nPenColor = color;
    return att;
}

void AddLine(TJcfData& doc, double x1, double y1, double x2, double y2, std::uint16_t color = 2) {
    TEntJwwLine line;
    line.att = Pen(color);
    line.start_x = x1;
    line.start_y = y1;
    line.end_x = x2;
    line.end_y = y2;
    doc.EntLine.push_back(line);
    doc.EntNo.push_back({kEntLine, static_cast<std::int32_t>(doc.EntLine.size() - 1)});
}

void AddCircle(TJcfData& doc, double x, double y, double radius, std::uint16_t color = 6) {
    TEntJwwEnko circle;
    circle.att = Pen(color);
    circle.start_x = x;
    circle.start_y = y;
    circle.dHankei = radius;
    circle.radEnkoKaku = 2 * std::numbers::pi;
    circle.dHenpeiRitsu = 1;
    circle.bZenEnFlg = 1;
    doc.EntEnko.push_back(circle);
    doc.EntNo.push_back({kEntEnko, static_cast<std::int32_t>(doc.EntEnko.size() - 1)});
}

void AddRectangle(TJcfData& doc, double x1, double y1, double x2, double y2) {
    AddLine(doc, x1, y1, x2, y1);
    AddLine(doc, x2, y1, x2, y2);
    AddLine(doc, x2, y2, x1, y2);
    AddLine(doc, x1, y2, x1, y1);
}

TJcfData SquareWithDiagonals() {
    TJcfData doc;
    doc.DataDefaultSet();
    AddRectangle(doc, 0, 0, 100, 100);
    AddLine(doc, 0, 0, 100, 100, 5);
    AddLine(doc, 0, 100, 100, 0, 5);
    return doc;
}

TJcfData CircleInASquare() {
    TJcfData doc;
    doc.DataDefaultSet();
    AddRectangle(doc, 0, 0, 100, 100);
    AddCircle(doc, 50, 50, 50);
    AddCircle(doc, 50, 50, 20, 3);
    return doc;
}

TJcfData House() {
    TJcfData doc;
    doc.DataDefaultSet();
    AddRectangle(doc, 0, 0, 120, 80);
    AddLine(doc, 0, 80, 60, 130);
    AddLine(doc, 60, 130, 120, 80);
    AddRectangle(doc, 50, 0, 70, 40);
    AddCircle(doc, 95, 50, 12);
    return doc;
}

}  // namespace

std::vector<DemoFigure> DemoFigures(const fs::path& folder) {
    std::vector<DemoFigure> figures;
    if (const auto data = DataDir()) {
        for (const char* name : kRealStreams) figures.push_back({*data / "streams" / name, name});
        return figures;
    }
    fs::create_directories(folder);
    const std::pair<const char*, TJcfData> built[] = {
        {"square-with-diagonals.1", SquareWithDiagonals()},
        {"circle-in-a-square.1", CircleInASquare()},
        {"house.1", House()},
    };
    for (auto [name, doc] : built) {
        doc.Enthd.n1 = static_cast<std::int32_t>(doc.EntNo.size());
        doc.CountEntities();
        if (doc.FileOut(folder / name, 600)) figures.push_back({folder / name, name});
    }
    return figures;
}

}  // namespace torvane::test
