#pragma once
#include <gtest/gtest.h>

#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "support/recording_device.h"

namespace torvane::test {

// A 100 × 100 pixel view of the world window (0, 0)–(50, 50) at 2 pixels per unit, with a
// started surface drawing on a recording device.
class Graph1Test : public ::testing::Test {
protected:
    void SetUp() override {
        gGraAtt.DataInit();
        SetView(0, 0, 2, 100, 100);
        g.G_Start();
        device.Clear();
    }
    void TearDown() override {
        WPolyClear();
        DPolyClear();
        gGraAtt.DataInit();
    }
    static void SetView(double wx1, double wy1, double scale, double w, double h) {
        LogicWx1 = wx1;
        LogicWy1 = wy1;
        LogicScale = scale;
        Phsx = w;
        Phsy = h;
        LogicWx2 = wx1 + w / scale;
        LogicWy2 = wy1 + h / scale;
    }
    RecordingDevice device;
    TGraph1 g{device};
};

}  // namespace torvane::test
