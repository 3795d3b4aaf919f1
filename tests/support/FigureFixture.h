#pragma once

#include "TestSession.h"
#include "data/FigureFrame.h"
#include "data/clsDATEN.h"
#include "graphics/clsGRAFIK.h"
#include "platform/Locale.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

// A picture box of 85 x 45 mm with a millimetre user scale, a session with the figure's
// G0 row, and helpers to look at what was drawn.
class FigureFixture : public ::testing::Test {
protected:
    FigureFixture() : box(85 * 56.7, 45 * 56.7) { box.setUserScale(0, 0, 85, 45); }
    void SetUp() override { Locale::setCurrent({Locale::German, ","}); }

    // OX = OY = 1, margins 10/5/7/11 as the figures use them, limits and scales as given.
    void writeFrame(int16_t figure, float xmin, float xmax, float ymin, float ymax, float mx = 0, float my = 0,
                    float mymx = 0)
    {
        FigureFrame::write(session, 1, figure,
                           {{"OX", int16_t(1)}, {"OY", int16_t(1)}, {"RL", 10.0f}, {"RR", 5.0f}, {"RO", 7.0f},
                            {"RU", 11.0f}, {"XMIN", xmin}, {"XMAX", xmax}, {"YMIN", ymin}, {"YMAX", ymax}, {"MX", mx},
                            {"MY", my}, {"MYMX", mymx}});
    }
    float readG0(const std::string& column, int16_t figure = 11)
    {
        clsDATEN g0(session);
        g0.ETABELLE = "G0";
        g0.ESPIDW = 1;
        float value = 0;
        g0.DTVS(column, value, {"IDOBJEKT", figure});
        return value;
    }
    // A figure bound to the box, for record 1 and figure 11.
    clsGRAFIK& figure()
    {
        graphic = std::make_unique<clsGRAFIK>(session);
        graphic->EID(1);
        graphic->EIDOBJEKT = 11;
        graphic->EOBJEKT(box);
        return *graphic;
    }
    // A figure whose plot area is 10 … 80 mm wide and 7 … 34 mm high on the box, one
    // world unit per millimetre: world (x, y) lies at (10 + x, 34 − y).
    clsGRAFIK& framed()
    {
        clsGRAFIK& g = figure();
        g.setFrame(1, 1, 10, 5, 7, 11);
        g.setLimits(0, 70, 0, 27, 1, 1);
        return g;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> found;
        for (const auto& text : box.texts())
            found.push_back(text.text);
        return found;
    }

    TestSession session;
    RecordingSurface box;
    std::unique_ptr<clsGRAFIK> graphic;
};
