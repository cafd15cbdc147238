#include "platform/software/software_device.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace torvane {

namespace {

// Cosmetic pen patterns in pixels, alternately on and off, as GDI draws one-pixel pens.
struct DashPattern {
    int count;
    std::array<int, 6> lengths;
    int total;
};

constexpr DashPattern kDash{2, {18, 6}, 24};
constexpr DashPattern kDot{2, {3, 3}, 6};
constexpr DashPattern kDashDot{4, {9, 6, 3, 6}, 24};
constexpr DashPattern kDashDotDot{6, {9, 3, 3, 3, 3, 3}, 24};

const DashPattern* PatternOf(PenStyle style) {
    switch (style) {
        case PenStyle::Dash: return &kDash;
        case PenStyle::Dot: return &kDot;
        case PenStyle::DashDot: return &kDashDot;
        case PenStyle::DashDotDot: return &kDashDotDot;
        default: return nullptr;
    }
}

bool DashOn(const DashPattern& p, int pos) {
    pos %= p.total;
    for (int i = 0; i < p.count; ++i) {
        if (pos < p.lengths[static_cast<std::size_t>(i)]) return i % 2 == 0;
        pos -= p.lengths[static_cast<std::size_t>(i)];
    }
    return false;
}

// GDI's 8 × 8 hatch patterns; bit 0x80 is the leftmost pixel.
constexpr std::uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xff, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

// Floor and ceiling of a / b for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

// The first and last step j (0 <= j < length) at which start + j × inc lies in [0, size);
// empty (first > last) when none does.
void StepRange(std::int64_t start, int inc, std::int64_t length, std::int64_t size, std::int64_t& first,
               std::int64_t& last) {
    if (inc > 0) {
        first = std::max<std::int64_t>(0, -start);
        last = std::min<std::int64_t>(length - 1, size - 1 - start);
    } else {
        first = std::max<std::int64_t>(0, start - (size - 1));
        last = std::min<std::int64_t>(length - 1, start);
    }
}

// Clamps a polygon coordinate to a little beyond the bitmap so that it converts to int safely.
double Hold(double v, int size) { return std::clamp(v, -2.0, static_cast<double>(size) + 2.0); }

struct Edge {
    double y_top, y_bottom, x_at_top, slope;
};

}  // namespace

void SoftwareDevice::SetPen(std::uint32_t color, int width, PenStyle style) {
    pen_pixel_ = GdiToPixel(color);
    pen_width_ = std::max(width, 1);
    pen_style_ = style;
}

void SoftwareDevice::SetBrush(std::uint32_t color, BrushStyle style) {
    brush_pixel_ = GdiToPixel(color);
    brush_style_ = style;
}

void SoftwareDevice::MoveTo(int x, int y) {
    cur_x_ = x;
    cur_y_ = y;
}

void SoftwareDevice::LineTo(int x, int y) {
    dash_pos_ = 0;
    if (pen_style_ != PenStyle::Clear) {
        if (pen_width_ > 1) {
            WideLine(cur_x_, cur_y_, x, y);
        } else {
            ThinLine(cur_x_, cur_y_, x, y);
        }
    }
    cur_x_ = x;
    cur_y_ = y;
}

void SoftwareDevice::PenPixel(int x, int y) { target_.at(x, y) = pen_pixel_; }

// Bresenham from (x1, y1) towards (x2, y2), leaving out the last pixel. Where the error term is
// exactly zero the octant decides the step, as GDI does (octants 3, 5, 6 and 8 take a bias).
// Steps outside the bitmap are skipped without being visited.
void SoftwareDevice::ThinLine(int x1, int y1, int x2, int y2) {
    const std::int64_t dx = static_cast<std::int64_t>(x2) - x1, dy = static_cast<std::int64_t>(y2) - y1;
    if (dx == 0 && dy == 0) return;
    int octant;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    const bool x_major = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    const int x_inc = (octant == 1 || octant == 2 || octant == 7 || octant == 8) ? 1 : -1;
    const int y_inc = octant <= 4 ? 1 : -1;

    const std::int64_t major_len = x_major ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minor_len = x_major ? std::llabs(dy) : std::llabs(dx);
    const std::int64_t major_start = x_major ? x1 : y1, minor_start = x_major ? y1 : x1;
    const int major_inc = x_major ? x_inc : y_inc, minor_inc = x_major ? y_inc : x_inc;
    const std::int64_t major_size = x_major ? target_.width : target_.height;
    const std::int64_t minor_size = x_major ? target_.height : target_.width;

    std::int64_t first, last;
    StepRange(major_start, major_inc, major_len, major_size, first, last);
    if (first > last) return;
    // Minor steps taken before step `first`, and the error term there.
    const std::int64_t k = std::max<std::int64_t>(0, CeilDiv(2 * minor_len * first - major_len + bias, 2 * major_len));
    std::int64_t err = 2 * minor_len - major_len + 2 * minor_len * first - 2 * major_len * k;
    std::int64_t major = major_start + first * major_inc;
    std::int64_t minor = minor_start + k * minor_inc;
    const DashPattern* dash = PatternOf(pen_style_);
    for (std::int64_t j = first; j <= last; ++j) {
        if (minor >= 0 && minor < minor_size && (dash == nullptr || DashOn(*dash, dash_pos_ + static_cast<int>(j % 24)))) {
            if (x_major) {
                PenPixel(static_cast<int>(major), static_cast<int>(minor));
            } else {
                PenPixel(static_cast<int>(minor), static_cast<int>(major));
            }
        }
        if (err + bias > 0) {
            minor += minor_inc;
            err += 2 * minor_len - 2 * major_len;
        } else {
            err += 2 * minor_len;
        }
        major += major_inc;
    }
    dash_pos_ = static_cast<int>((dash_pos_ + major_len) % 24);
}

// A pen wider than one pixel covers the points within half its width of the segment, with
// round ends; pixels are sampled at their integer coordinates, a pixel exactly at the border
// counting only above or left of the segment.
void SoftwareDevice::WideLine(int x1, int y1, int x2, int y2) {
    const double r = pen_width_ / 2.0;
    const int left = std::max(0, static_cast<int>(std::floor(std::min(x1, x2) - r)));
    const int right = std::min(target_.width - 1, static_cast<int>(std::ceil(std::max(x1, x2) + r)));
    const int top = std::max(0, static_cast<int>(std::floor(std::min(y1, y2) - r)));
    const int bottom = std::min(target_.height - 1, static_cast<int>(std::ceil(std::max(y1, y2) + r)));
    const double vx = static_cast<double>(x2) - x1, vy = static_cast<double>(y2) - y1;
    const double len2 = vx * vx + vy * vy;
    for (int py = top; py <= bottom; ++py) {
        for (int px = left; px <= right; ++px) {
            double t = len2 > 0 ? ((px - x1) * vx + (py - y1) * vy) / len2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double nx = x1 + t * vx, ny = y1 + t * vy;
            const double d2 = (px - nx) * (px - nx) + (py - ny) * (py - ny);
            const bool border = std::fabs(d2 - r * r) < 1e-9;
            if ((d2 < r * r && !border) || (border && (py < ny || (py == ny && px < nx)))) PenPixel(px, py);
        }
    }
}

void SoftwareDevice::FillBrushRect(int x1, int y1, int x2, int y2) {
    if (brush_style_ == BrushStyle::Clear) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, target_.width);
    y2 = std::min(y2, target_.height);
    const int hatch = static_cast<int>(brush_style_) - static_cast<int>(BrushStyle::Horizontal);
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (brush_style_ == BrushStyle::Solid || (kHatches[hatch][y & 7] & (0x80 >> (x & 7))) != 0) {
                target_.at(x, y) = brush_pixel_;
            }
        }
    }
}

void SoftwareDevice::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    if (pen_style_ == PenStyle::Clear) {
        // Without a pen the inside is one pixel smaller, as in GDI.
        FillBrushRect(x1, y1, x2 - 1, y2 - 1);
        return;
    }
    FillBrushRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
    const int saved_x = cur_x_, saved_y = cur_y_;
    const int corners[5][2] = {{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}, {x1, y1}};
    int dash = 0;
    for (int i = 0; i < 4; ++i) {
        dash_pos_ = dash;
        if (pen_width_ > 1) {
            WideLine(corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1]);
        } else {
            ThinLine(corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1]);
        }
        dash = dash_pos_;
    }
    // A 1 × 1 rectangle has only zero-length sides; its outline is its one pixel.
    if (pen_width_ == 1 && x2 - x1 == 1 && y2 - y1 == 1 && x1 >= 0 && y1 >= 0 && x1 < target_.width &&
        y1 < target_.height) {
        PenPixel(x1, y1);
    }
    cur_x_ = saved_x;
    cur_y_ = saved_y;
}

void SoftwareDevice::FillRect(int x1, int y1, int x2, int y2, std::uint32_t color) {
    const std::uint32_t pixel = GdiToPixel(color);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, target_.width);
    y2 = std::min(y2, target_.height);
    for (int y = y1; y < y2; ++y) {
        std::fill_n(target_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * target_.width + x1,
                    std::max(0, x2 - x1), pixel);
    }
}

void SoftwareDevice::TextChar(int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color) {
    if (glyph_drawer_) glyph_drawer_(target_, x, y, ch, font, color);
}

// Scanline fill: row y is sampled at y, a pixel x at x; an edge covers the rows with
// top <= y < bottom and a span [a, b) the pixels with a <= x < b (even-odd pairs).
bool SoftwareDevice::FillPolygon(std::span<const PointF> points, std::uint32_t color) {
    if (points.size() < 3) return false;
    for (const PointF& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
    std::vector<Edge> edges;
    edges.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PointF& a = points[i];
        const PointF& b = points[(i + 1) % points.size()];
        if (a.y == b.y) continue;
        const PointF& top = a.y < b.y ? a : b;
        const PointF& bottom = a.y < b.y ? b : a;
        edges.push_back({top.y, bottom.y, top.x, (static_cast<double>(bottom.x) - top.x) / (static_cast<double>(bottom.y) - top.y)});
    }
    if (edges.empty() || target_.width <= 0 || target_.height <= 0) return true;
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y_top < b.y_top; });
    double y_min = edges.front().y_top, y_max = edges.front().y_bottom;
    for (const Edge& e : edges) y_max = std::max(y_max, e.y_bottom);
    const int row_first = std::max(0, static_cast<int>(std::ceil(Hold(y_min, target_.height))));
    const int row_last = std::min(target_.height - 1, static_cast<int>(std::ceil(Hold(y_max, target_.height))) - 1);

    const std::uint32_t pixel = GdiToPixel(color);
    std::vector<const Edge*> active;
    std::vector<double> crossings;
    std::size_t next = 0;
    for (int row = row_first; row <= row_last; ++row) {
        const double y = row;
        while (next < edges.size() && edges[next].y_top <= y) active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* e) { return e->y_bottom <= y; });
        crossings.clear();
        for (const Edge* e : active) crossings.push_back(e->x_at_top + (y - e->y_top) * e->slope);
        std::sort(crossings.begin(), crossings.end());
        std::uint32_t* line = target_.pixels.data() + static_cast<std::ptrdiff_t>(row) * target_.width;
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = std::max(0, static_cast<int>(std::ceil(Hold(crossings[i], target_.width))));
            const int to = std::min(target_.width, static_cast<int>(std::ceil(Hold(crossings[i + 1], target_.width))));
            if (from < to) std::fill(line + from, line + to, pixel);
        }
    }
    return true;
}

}  // namespace torvane
