#include "shell/mdiSEITE1.h"
#include "FixedClock.h"
#include "TestSession.h"
#include "page/Seite1.h"
#include "platform/Clock.h"
#include "platform/Locale.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Commands : public mdiSEITE1::Commands {
public:
    void panelClick(int panel) override { panels.push_back(panel); }
    void quit() override { ++quits; }
    void openContext() override { ++contexts; }
    void pageActivated() override { ++activations; }
    std::vector<int> panels;
    int quits = 0, contexts = 0, activations = 0;
};

TEST(mdiSEITE1Test, AThinViewThatHandsClicksAndKeysToTheMainWindow)
{
    Locale::setCurrent({Locale::German, ","});
    TestSession session;
    session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[AKT],[SPR]) VALUES (1,'Sand',1,3)");
    session.cnnX()->execute("INSERT INTO [E2] VALUES (1,60,22.5,-2,17,-1.5,35,-4,32,-3,10,100,10,60,100)");
    FixedClock clock{46363.5};
    Seite1 page(session, clock);
    ASSERT_TRUE(page.load());
    Commands commands;
    mdiSEITE1 window(page, commands);
    window.show();

    EXPECT_EQ(window.objectName(), "mdiSEITE1");
    for (int figure = 11; figure <= 17; ++figure)
        EXPECT_NE(window.findChild<QWidget*>(QStringLiteral("picBILD%1").arg(figure)), nullptr) << figure;
    const QWidget* box = window.findChild<QWidget*>(QStringLiteral("picBILD11"));
    EXPECT_EQ(box->x(), 57);  // 850.5 twips at 96 dpi
    EXPECT_EQ(box->width(), 321);

    // The shown page has the keys at once, also where a picture box has the focus.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(window.hasFocus());
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_S);
    QTest::keyClick(&window, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(commands.panels, (std::vector<int>{15, 11, 10, 13, 12, 14}));
    EXPECT_EQ(commands.quits, 1);
    QTest::mouseClick(const_cast<QWidget*>(box), Qt::LeftButton, {}, box->rect().center());
    EXPECT_EQ(commands.contexts, 1);

    // The figure drawn by the page shows in its box.
    const auto inked = [](const QImage& shown) {
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += shown.pixelColor(x, y).lightness() < 128;
        return count;
    };
    const int atFirst = inked(const_cast<QWidget*>(box)->grab().toImage());
    EXPECT_GT(atFirst, 500);

    // Zoomed, the page is drawn anew at the higher resolution: larger boxes, finer lines.
    window.setZoom(2);
    EXPECT_NEAR(box->width(), 2 * 321, 1);
    EXPECT_EQ(page.box(11).dpiX(), 192);
    EXPECT_GT(inked(const_cast<QWidget*>(box)->grab().toImage()), 2 * atFirst);
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.6);
    // Fitted to the width, the page fills it without a horizontal scroll bar: from a larger
    // page (whose vertical bar goes) and from one the window holds whole (where the vertical
    // bar comes with the new size).
    for (const auto& [height, zoom] : {std::pair{600, 1.6}, std::pair{400, 0.5}}) {
        window.resize(800, height);
        window.setZoom(zoom);
        QApplication::processEvents();
        window.fitWidth();
        QApplication::processEvents();
        EXPECT_EQ(window.horizontalScrollBar()->maximum(), 0) << height;
        EXPECT_GE(window.widget()->width(), window.viewport()->width() - 4) << height;
    }
    EXPECT_EQ(commands.contexts, 1);  // zooming opens no dialog
}

}  // namespace
