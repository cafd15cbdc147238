#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/device.h"
#include "platform/software/software_device.h"

namespace torvane {
namespace {

// A scene draws on any device; the GDI device and the software device must give the same
// pixels. Wine's GDI+ rounds fractional polygon points to whole pixels before filling, so where
// a scene has such points the two may disagree on pixels along the polygon's edges only.
struct Scene {
    std::string name;
    std::function<void(Device&)> draw;
    bool edges_may_differ = false;
};

// True when a 4-neighbour of the pixel has another colour.
bool OnEdge(const Bitmap& b, int x, int y) {
    constexpr std::array<std::pair<int, int>, 4> kNeighbours{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
    for (const auto& [dx, dy] : kNeighbours) {
        const int nx = x + dx;
        const int ny = y + dy;
        if (nx >= 0 && ny >= 0 && nx < b.width && ny < b.height && b.at(nx, ny) != b.at(x, y)) return true;
    }
    return false;
}

void Line(Device& d, int x1, int y1, int x2, int y2) {
    d.MoveTo(x1, y1);
    d.LineTo(x2, y2);
}

void Dot(Device& d, int x, int y) { Line(d, x, y, x + 1, y); }

std::vector<Scene> Scenes() {
    return {
        {"lines in every octant",
         [](Device& d) {
             d.SetPen(0x000000, 1, PenStyle::Solid);
             for (int k = 0; k < 24; ++k) {
                 const int dx = std::array{29, 17, 5, 0, -5, -17, -29, -29, -17, -5, 0, 5, 17, 29, 13, -13, 7, -7, 29, -29, 2, -2, 23, -23}[k];
                 const int dy = std::array{5, 17, 29, 29, 29, 17, 5, -5, -17, -29, -29, -29, -17, -5, 29, -29, 2, -2, 0, 0, 29, -29, 11, -11}[k];
                 Line(d, 32, 32, 32 + dx, 32 + dy);
             }
         }},
        {"polyline and clipped lines",
         [](Device& d) {
             d.SetPen(0x0000FF, 1, PenStyle::Solid);
             d.MoveTo(3, 60);
             for (const auto& [x, y] : std::array<std::pair<int, int>, 5>{{{20, 40}, {21, 58}, {40, 41}, {57, 59}, {60, 3}}})
                 d.LineTo(x, y);
             d.SetPen(0x00FF00, 1, PenStyle::Solid);
             Line(d, -20, 10, 80, 30);
             Line(d, 50, -10, 10, 90);
             Line(d, -5, -5, 70, 70);
         }},
        {"dots",
         [](Device& d) {
             d.SetPen(0x804020, 1, PenStyle::Solid);
             for (int i = 0; i < 20; ++i) Dot(d, (i * 13) % 63, (i * 29) % 63);
             Dot(d, 63, 10);
             Dot(d, -1, 10);
         }},
        {"rectangles",
         [](Device& d) {
             d.FillRect(5, 5, 30, 20, 0x00C0C0C0);
             d.SetPen(0x0000FF, 1, PenStyle::Solid);
             d.SetBrush(0, BrushStyle::Clear);
             d.Rectangle(2, 2, 40, 30);
             d.Rectangle(50, 10, 48, 40);  // corners in either order
             d.SetBrush(0x00FF00, BrushStyle::Solid);
             d.Rectangle(10, 35, 30, 60);
             d.Rectangle(-10, 50, 20, 80);
             d.FillRect(40, 45, 70, 70, 0x00FF0000);
         }},
        {"polygon fills",
         [](Device& d) {
             const std::array<PointF, 3> triangle{{{4, 4}, {40, 10}, {12, 38}}};
             d.FillPolygon(triangle, 0x0000FF);
             const std::array<PointF, 5> star{{{46, 30}, {57, 62}, {30, 42}, {62, 42}, {35, 62}}};
             d.FillPolygon(star, 0x00FF00);
             const std::array<PointF, 4> square{{{44, 2}, {60, 2}, {60, 18}, {44, 18}}};
             d.FillPolygon(square, 0xFF0000);
             const std::array<PointF, 4> outside{{{-10, 50}, {20, 45}, {25, 80}, {-5, 75}}};
             d.FillPolygon(outside, 0x808000);
         }},
        {"polygon with fractional points",
         [](Device& d) {
             const std::array<PointF, 6> shape{{{3.25f, 5.5f}, {30.75f, 2.5f}, {60.5f, 20.25f}, {41.5f, 58.75f},
                                               {12.25f, 61.5f}, {20.5f, 30.5f}}};
             d.FillPolygon(shape, 0x2040C0);
         },
         true},
    };
}

TEST(GdiVersusSoftware, SameScenesGiveTheSamePixels) {
    for (const auto& scene : Scenes()) {
        Bitmap gdi(64, 64);
        Bitmap soft(64, 64);
        auto gdi_device = CreateDevice(gdi);
        SoftwareDevice soft_device(soft);
        scene.draw(*gdi_device);
        scene.draw(soft_device);
        gdi_device->Flush();
        soft_device.Flush();
        int differing = 0;
        std::string first;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                if (gdi.at(x, y) == soft.at(x, y)) continue;
                if (scene.edges_may_differ && OnEdge(soft, x, y) && OnEdge(gdi, x, y)) continue;
                if (differing++ == 0) first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
        EXPECT_EQ(differing, 0) << scene.name << ":" << first;
    }
}

}  // namespace
}  // namespace torvane
