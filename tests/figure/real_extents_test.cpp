#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "figure/jcf_data.h"
#include "figure/jws_data.h"
#include "support/test_files.h"

namespace torvane {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Extents computed straight from the reference JSON of a drawing, walking the block
// definitions recursively with their own placement (where the code under test uses the block
// tree): lines, arcs (73 points, or the four axis ends of a whole one), points, texts and
// blocks are what the real drawings hold.
class ReferenceExtents {
public:
    explicit ReferenceExtents(const nlohmann::json& drawing) : drawing_(drawing) {
        Add(0, 0, Identity());  // the base point
        for (const auto& entity : drawing["entities"]) AddEntity(entity, Identity(), 0);
        if (std::fabs(maxX - minX) <= 1e-12 && std::fabs(maxY - minY) <= 1e-12)
            minX -= 10, minY -= 10, maxX += 10, maxY += 10;
    }

    double minX = 0, minY = 0, maxX = 0, maxY = 0;

private:
    struct Affine {
        double x, y, r1, r2, r3, r4;
    };
    static Affine Identity() { return {0, 0, 1, 0, 0, 1}; }

    void Add(double px, double py, const Affine& m) {
        const double x = m.x + m.r1 * px + m.r2 * py, y = m.y + m.r3 * px + m.r4 * py;
        if (!started_) {
            minX = maxX = x, minY = maxY = y, started_ = true;
            return;
        }
        minX = std::min(minX, x), minY = std::min(minY, y), maxX = std::max(maxX, x), maxY = std::max(maxY, y);
    }

    void AddEntity(const nlohmann::json& e, const Affine& m, int depth) {
        const std::string type = e["type"];
        if (type == "LINE") {
            Add(e["start_x"], e["start_y"], m);
            Add(e["end_x"], e["end_y"], m);
        } else if (type == "ARC" || type == "CIRCLE") {
            const double cx = e["center_x"], cy = e["center_y"], r = e["radius"], flat = e["flatness"];
            const double tilt = e["tilt_angle"], start = e["start_angle"], sweep = e["arc_angle"];
            const bool whole = e["is_full_circle"];
            for (int k = 0; k < (whole ? 4 : 73); ++k) {
                const double t = whole ? k * kPi / 2 : start + k * sweep / 72;
                const double u = r * std::cos(t), v = r * flat * std::sin(t);
                Add(cx + std::cos(tilt) * u - std::sin(tilt) * v, cy + std::sin(tilt) * u + std::cos(tilt) * v, m);
            }
        } else if (type == "POINT") {
            Add(e["x"], e["y"], m);
        } else if (type == "TEXT") {
            const double x1 = e["start_x"], y1 = e["start_y"], x2 = e["end_x"], y2 = e["end_y"];
            auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-12; };
            if (near(x1, x2) && near(y1, y2)) return;
            if (near(x1, 0) && near(y1, 0) && near(x2, 0.01) && near(y2, 0.01)) return;
            Add(x1, y1, m);
            Add(x2, y2, m);
        } else if (type == "BLOCK") {
            if (depth >= 64) return;
            for (const auto& def : drawing_["block_defs"]) {
                if (def["number"] != e["def_number"]) continue;
                const double th = e["rotation"], sx = e["scale_x"], sy = e["scale_y"];
                const double u = e["ref_x"], v = e["ref_y"];
                const double c1 = std::cos(th) * sx, c2 = -std::sin(th) * sy, c3 = std::sin(th) * sx,
                             c4 = std::cos(th) * sy;
                const Affine inner{m.x + m.r1 * u + m.r2 * v, m.y + m.r3 * u + m.r4 * v, m.r1 * c1 + m.r2 * c3,
                                   m.r1 * c2 + m.r2 * c4,     m.r3 * c1 + m.r4 * c3, m.r3 * c2 + m.r4 * c4};
                for (const auto& inside : def["entities"]) AddEntity(inside, inner, depth + 1);
                return;
            }
        } else {
            ADD_FAILURE() << "kind the real drawings were not expected to hold: " << type;
        }
    }

    const nlohmann::json& drawing_;
    bool started_ = false;
};

void ExpectExtents(const TJwwFigureData& doc, const ReferenceExtents& ref, const std::string& name) {
    const double tolerance = 1e-9 * std::max({1.0, std::fabs(ref.minX), std::fabs(ref.maxX), std::fabs(ref.minY),
                                              std::fabs(ref.maxY)});
    EXPECT_NEAR(doc.myMinWx, ref.minX, tolerance) << name;
    EXPECT_NEAR(doc.myMinWy, ref.minY, tolerance) << name;
    EXPECT_NEAR(doc.myMaxWx, ref.maxX, tolerance) << name;
    EXPECT_NEAR(doc.myMaxWy, ref.maxY, tolerance) << name;
}

TEST(RealExtents, EveryStreamAndJwsFileMatchesTheReference) {
    const auto dir = test::DataDir();
    if (!dir) GTEST_SKIP() << "no real data";
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(*dir / "reference")) {
        const std::string name = entry.path().stem().string();
        std::ifstream in(entry.path());
        const ReferenceExtents ref(nlohmann::json::parse(in));

        TJcfData jcf;
        ASSERT_TRUE(jcf.FileIn(*dir / "streams" / (name + ".1"))) << name;
        jcf.GetMinMaxZahyo();
        ExpectExtents(jcf, ref, name + ".1");

        TJwsData jws;
        ASSERT_TRUE(jws.FileIn(*dir / "jws" / (name + ".jws"))) << name;
        jws.GetMinMaxZahyo();
        ExpectExtents(jws, ref, name + ".jws");
        ++checked;
    }
    EXPECT_EQ(checked, 18);
}

}  // namespace
}  // namespace torvane
