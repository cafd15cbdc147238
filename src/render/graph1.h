#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/device.h"
#include "util/geometry.h"

namespace torvane {

// A device point in single precision, as the polygon fill takes it.
using TGPPointF = PointF;

struct TWorkPolygonArea {
    std::int32_t an = 0;
    std::vector<TDPoint> a;
    std::vector<TGPPointF> pnts;
};

// Placement of a block definition in the figure: a point (x, y) of the definition lands at
// ((b1 x + b2 y + bx) / sc, (b3 x + b4 y + by) / sc).
struct TBlockTransform {
    double bx = 0, by = 0, b1 = 1, b2 = 0, b3 = 0, b4 = 1, sc = 1;
    TDPoint Apply(double x, double y) const { return {(b1 * x + b2 * y + bx) / sc, (b3 * x + b4 * y + by) / sc}; }
};

// Result codes of the world primitives.
enum : std::int32_t { kGLDrawn = 0, kGLOutside = 1, kGLDot = 2, kGLTooFewPoints = 3 };

// The view shared by every surface: world window (lower-left, upper-right), pixels per world
// unit and device size. One picture is drawn at a time.
extern double LogicWx1, LogicWy1, LogicWx2, LogicWy2;
extern double LogicScale;
extern double Phsx, Phsy;
// The scale of the layer group being drawn (read by the scale text codes).
extern double GLayScale;
// World polyline built by a primitive or a caller, device polyline handed to the device.
extern std::vector<TDPoint> WPoly;
extern std::int32_t WPolyN;
extern std::vector<TGPPointF> DPoly;
extern std::int32_t DPolyN;

class TGraph1;
// The surface the document drawing draws on; set by the window that draws.
extern TGraph1* gGraph1;

// Appends a point to WPoly (WPolyN grows) / DPoly (DPolyN grows); Clear empties them.
void WPolyAdd(double x, double y);
void WPolyClear();
void DPolyAdd(double x, double y);
void DPolyClear();

// Cohen–Sutherland outcode: 1 left, 2 right, 4 below, 8 above; a point on an edge is outside it,
// a coordinate that is no number outside both of its edges.
std::int32_t ClipOutCode(double x, double y, double xmin, double ymin, double xmax, double ymax);
// 2 when the point is outside the window (or on its edge), else 0.
std::int32_t ClipPoint(double x, double y, double xmin, double ymin, double xmax, double ymax);
// 0 inside and unchanged, 1 clipped in place, 2 invisible (also when an end is not finite).
std::int32_t ClipLine(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax,
                      double ymax);

// Nearest integer, ties to even, held inside the range the device handles.
int DeviceRound(double v);

// The drawing surface: maps world coordinates through the view globals to device pixels,
// clips them against the view window and draws on a Device. Colours of G primitives are GDI
// colours, pen colours of the attributes ARGB.
class TGraph1 {
public:
    explicit TGraph1(Device& canvas);
    ~TGraph1();
    TGraph1(const TGraph1&) = delete;
    TGraph1& operator=(const TGraph1&) = delete;

    void G_Start();
    // Completes pending fills on the device.
    void RefreshGDIplus();
    // Completes all output and releases the fill state; harmless when called again.
    void G_End();

    // Device primitives, pixels.
    void GCls(std::uint32_t col);
    void GPenSet(std::uint32_t col, std::int32_t typ, std::int32_t wid);
    void GBrushSet(std::uint32_t col, std::int32_t typ);
    void GTen(double x, double y);
    void GLine(double x1, double y1, double x2, double y2);
    void GBox(double x1, double y1, double x2, double y2);
    void GPolyline();
    void GSolid();

    // World primitives; each returns one of the result codes.
    void GLTransPt(double x1, double y1, double& x2, double& y2) const;
    void GLPenSet(std::int32_t lay, std::int32_t col, std::int32_t typ, double wid);
    void GLPenSet(std::int32_t lay, std::int32_t col, std::int32_t typ, double wid, std::uint32_t dcol);
    std::int32_t GLTen(double x, double y);
    std::int32_t GLLine(double x1, double y1, double x2, double y2);
    std::int32_t GLBoxA(double x1, double y1, double x2, double y2, double a);
    std::int32_t GLEllipse(double cx, double cy, double r, double h, double a);
    std::int32_t GLEllipseArc(double cx, double cy, double r, double h, double a, double sa, double da);
    std::int32_t GLEllipseBL(double cx, double cy, double r, double h, double a, double bx, double by, double b1,
                             double b2, double b3, double b4, double sc);
    std::int32_t GLEllipseArcBL(double cx, double cy, double r, double h, double a, double sa, double da, double bx,
                                double by, double b1, double b2, double b3, double b4, double sc);
    std::int32_t GLPolyline();

    // Filled shapes.
    std::int32_t GLSolid();
    std::int32_t GLSolidCircle(double cx, double cy, double r);
    std::int32_t GLSolidArc(std::int32_t sty, double cx, double cy, double r, double h, double a, double sa,
                            double da, double zf);
    std::int32_t GLSolidArcBL(std::int32_t sty, double cx, double cy, double r, double h, double a, double sa,
                              double da, double zf, double bx, double by, double b1, double b2, double b3, double b4,
                              double sc);
    void PoArClear();
    void PoArSet1(std::int32_t n);

    // Point markers: kf 1 temporary point, pc marker code, a rotation, ba size factor,
    // wd pen width in hundredths (0: the colour's), dcol override colour (0: none).
    std::int32_t GLTenMarker(double x, double y, std::int32_t kf, std::int32_t pc, double a, double ba,
                             std::int32_t lay, std::int32_t col, std::int32_t wd, std::uint32_t dcol);

    // Texts (defined with the text drawing): a text entity from its start towards its end
    // point with the text codes, fitting controls and inline codes; a run of characters from
    // the bottom-left of its first cell along angle ang; one character whose reference point
    // Fm (0..8: bottom, middle, top row; left, centre, right) is (x, y). Ftyp: 1 bold, 2 italic,
    // 4 underline, 8 strike-out; a leading "@" of the font name writes vertically.
    std::int32_t GLAText3(double x1, double y1, double x2, double y2, double h, double w, double sp,
                          std::int32_t Ftyp, const std::u16string& f, const std::u16string& s);
    std::int32_t GLAText2(double xx, double yy, double ang, double h, double w, double sp, std::int32_t Ftyp,
                          const std::u16string& f, const std::u16string& s);
    std::int32_t GLAText1(double x, double y, double h, double w, double a, std::int32_t Fm, const std::u16string& s);

    // The canvas font: face name and style bits, set by GLAText2.
    std::u16string FontName;
    std::int32_t FontStyle = 0;

    // The canvas pen and brush as last set (GDI colours).
    std::uint32_t PenColor() const { return pen_color_; }
    std::int32_t PenWidth() const { return pen_width_; }
    std::uint32_t BrushColor() const { return brush_color_; }
    // The colour fills are drawn in (GDI colour).
    std::uint32_t FillColor() const { return gpb_color_; }
    Device& Canvas() { return *C; }

    std::vector<TWorkPolygonArea> PoAr;
    std::int32_t PoArN = 0;

private:
    // Fills WPoly with the 73 points of an ellipse or arc, each placed by `place`.
    void EllipsePoints(double cx, double cy, double r, double h, double a, double sa, double da, bool full,
                       const TBlockTransform* place);
    std::int32_t SolidArc(std::int32_t sty, double cx, double cy, double r, double h, double a, double sa, double da,
                          double zf, const TBlockTransform* place);
    // A dot where the last clipped edge ends, if that point is inside the window.
    void DotAtEnd(double x, double y);
    void SetDevicePen(std::uint32_t col, std::int32_t width, PenStyle style);

    Device* C;
    bool started_ = false;
    std::uint32_t pen_color_ = 0;
    std::int32_t pen_width_ = 1;
    PenStyle pen_style_ = PenStyle::Solid;
    std::uint32_t brush_color_ = 0;
    BrushStyle brush_style_ = BrushStyle::Clear;
    std::uint32_t gpb_color_ = 0;
};

}  // namespace torvane
