// The sheet as a person sees it, against stored reference images: the demo record on the
// screen page and on A4, and the screen page of records at the edges of what the figures
// must show. A few differing pixels (font hinting) pass; a moved line or label does not.
// TARVELO_RENEW_REFERENCES=1 writes the references anew (look at every one before storing).
#include "FixedClock.h"
#include "TestSession.h"
#include "page/Seite1.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/PaperSurface.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path references = fs::path(TARVELO_SOURCE_DIR) / "tests" / "page" / "render";

// Pixels whose colour differs clearly, as a share of the picture; `marked` gets the reference
// faded with those pixels in red, for a person to look at.
double differingShare(const QImage& a, const QImage& b, QImage& marked)
{
    if (a.size() != b.size())
        return 1;
    marked = QImage(b.size(), QImage::Format_RGB32);
    long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const bool differs =
                std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue()) > 96;
            differing += differs;
            const int faded = 192 + q.lightness() / 4;
            marked.setPixelColor(x, y, differs ? QColor(255, 0, 0) : QColor(faded, faded, faded));
        }
    }
    return double(differing) / (double(a.width()) * a.height());
}

void check(const QImage& rendered, const std::string& name)
{
    const QString file = QString::fromStdString((references / (name + ".png")).string());
    if (qEnvironmentVariableIsSet("TARVELO_RENEW_REFERENCES")) {
        ASSERT_TRUE(rendered.save(file));
        return;
    }
    const QImage reference(file);
    ASSERT_FALSE(reference.isNull()) << "no reference " << file.toStdString();
    const QImage same = rendered.convertToFormat(reference.format());
    QImage marked;
    const double share = differingShare(same, reference, marked);
    const auto beside = [&name](const char* what) {
        return QString::fromStdString((fs::temp_directory_path() / (name + "-" + what + ".png")).string());
    };
    if (share > 0.002) {
        same.save(beside("rendered"));
        marked.save(beside("difference"));
    }
    EXPECT_LE(share, 0.002) << name << ": " << share * 100 << " % of the pixels differ; the picture and the "
                            << "differences marked in red are in " << fs::temp_directory_path().string();
}

class RenderCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Locale::setCurrent({Locale::German, ",", "dd.MM.yyyy"});
        session.cnnX()->execute(
            "INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (1,'PEHD-Dichtungsbahn auf Sand',"
            "'Glatte PEHD-Dichtungsbahn 2,5 mm auf Mittelsand',1,3)");
        session.cnnX()->execute("INSERT INTO [E2] VALUES (1,60,22.5,-2,17,-1.5,35,-4,32,-3,10,200,10,60,100)");
        session.cnnX()->execute("INSERT INTO [A1] VALUES (1,1)");
    }
    std::unique_ptr<Seite1> load(const std::string& assignment = {})
    {
        if (!assignment.empty())
            session.cnnX()->execute("UPDATE [E2] SET " + assignment + " WHERE [ID]=1");
        session.cnnX()->execute("UPDATE [A1] SET [BONEU]=1");
        auto page = std::make_unique<Seite1>(session, clock);
        EXPECT_TRUE(page->load()) << assignment;
        return page;
    }

    TestSession session;
    FixedClock clock{46364.4};  // 8 December 2026, 09:36
};

TEST_F(RenderCheckTest, TheDemoSheetOnScreenAndOnPaper)
{
    auto page = load();
    check(page->screenImage(), "demo-screen");

    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "needs pdftoppm (poppler-utils) to look at the paper";
    const fs::path pdf = session.root() / "demo.pdf";
    auto paper = PaperSurface::pdf(QString::fromStdString(pdf.string()), QStringLiteral("demo"));
    page->DRUCKEN(*paper);
    ASSERT_TRUE(paper->finish());
    QProcess render;
    render.start(pdftoppm, {"-r", "100", "-png", "-singlefile", QString::fromStdString(pdf.string()),
                            QString::fromStdString((session.root() / "demo").string())});
    ASSERT_TRUE(render.waitForFinished(30000));
    check(QImage(QString::fromStdString((session.root() / "demo.png").string())), "demo-a4");
}

TEST_F(RenderCheckTest, FiguresAtTheEdgesOfWhatTheyMustShow)
{
    const std::pair<const char*, const char*> records[] = {
        {"sigmamax-2", "[SIA]=0.5, [SIMAX]=2, [SI1]=0.5, [SI2]=1.5"},
        {"sigmamax-2500", "[SIA]=10, [SIMAX]=2500, [SI1]=10, [SI2]=600"},
        {"one-decade", "[SIA]=12, [SIMAX]=48, [SI1]=12, [SI2]=40"},
        {"no-soil", "[SIA]=10, [SIMAX]=200, [SI1]=10, [SI2]=60, [AB]=0, [CB]=0, [ARB]=0, [CRB]=0"},
        {"equal-coulomb", "[AB]=35, [CB]=-4, [ARB]=32, [CRB]=-3, [SI1]=60, [SI2]=60"},
    };
    for (const auto& [name, assignment] : records)
        check(load(assignment)->screenImage(), name);
}

}  // namespace
