#include "figure/extents.h"

#include <cmath>

namespace torvane {

double MinWx = 0, MinWy = 0, MaxWx = 0, MaxWy = 0;

namespace {

constexpr double kCoincide = 1e-12;
constexpr double kWiden = 10;

}  // namespace

void ExtentsAccumulator::Start(double x, double y) {
    has_ = false;
    Extend(x, y);
}

void ExtentsAccumulator::Begin(double x, double y) {
    has_ = true;
    minX_ = maxX_ = Clamp(x);
    minY_ = maxY_ = Clamp(y);
}

void ExtentsAccumulator::Finish(double& minX, double& minY, double& maxX, double& maxY) {
    if (!has_) Begin(0, 0);
    if (std::fabs(maxX_ - minX_) <= kCoincide && std::fabs(maxY_ - minY_) <= kCoincide) {
        minX_ -= kWiden;
        minY_ -= kWiden;
        maxX_ += kWiden;
        maxY_ += kWiden;
    }
    MinWx = minX = minX_;
    MinWy = minY = minY_;
    MaxWx = maxX = maxX_;
    MaxWy = maxY = maxY_;
}

}  // namespace torvane
