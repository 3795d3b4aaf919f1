#include "shell/SlopeTab.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// What is typed into the tab, field by field (β, L, h, γ, FS asked for), and what it comes to:
// a check with these values, none at all, or the problem named.
TEST(SlopeTabTest, TypedValuesBecomeACheckOrANamedProblem)
{
    struct Case {
        const char* typed[5];
        double beta;  // NaN: no check
        const char* problem;
    };
    const double none = std::nan("");
    const Case cases[] = {
        {{"", "", "", "", ""}, none, ""},
        {{"18,5", "30", "0,3", "18", "1,3"}, 18.5, ""},
        {{"1:3", "30", "0,3", "18", ""}, 18.434948822922, ""},  // the inclination; FS asked for 1.5
        {{"1 : 2,5", "30", "0,3", "18", ""}, 21.801409486352, ""},
        {{"18.5", "30", "0,3", "18", ""}, none, "Neigung β [°] oder 1:n: \"18.5\" ist keine Zahl."},
        {{"1:0", "30", "0,3", "18", ""}, none, "Neigung β [°] oder 1:n: \"1:0\" ist keine Zahl."},
        {{"95", "30", "0,3", "18", ""}, none, "Die Böschungsneigung β muss zwischen 0° und 90° liegen."},
        {{"20", "", "0,3", "18", ""}, none, "Böschungslänge L [m]: \"\" ist keine Zahl."},
        {{"30", "0,5", "0,3", "18", ""}, none, "Die Böschungslänge L muss größer als h / sin β sein."},
    };
    const char* names[] = {"txtBETA", "txtLAENGE", "txtDICKE", "txtGAMMA", "txtFSERF"};
    SlopeTab tab(3, ',');
    for (const Case& c : cases) {
        for (int i = 0; i < 5; ++i)
            tab.findChild<QLineEdit*>(names[i])->setText(QString::fromUtf8(c.typed[i]));
        std::string problem;
        const std::optional<SlidingCheck::Slope> slope = tab.slope(problem);
        EXPECT_EQ(problem, c.problem) << c.typed[0];
        EXPECT_EQ(slope.has_value(), !std::isnan(c.beta)) << c.typed[0];
        if (slope) {
            EXPECT_NEAR(slope->beta, c.beta, 1e-9) << c.typed[0];
            EXPECT_EQ(slope->required, *c.typed[4] ? 1.3 : 1.5) << c.typed[0];
        }
    }
    // Shown again as stored, with the session's separator.
    tab.setSlope(SlidingCheck::Slope{18.5, 30, 0.3, 18, 1.5});
    EXPECT_EQ(tab.findChild<QLineEdit*>("txtDICKE")->text(), "0,3");
    tab.setSlope(std::nullopt);
    EXPECT_EQ(tab.findChild<QLineEdit*>("txtBETA")->text(), "");
}

}  // namespace
