// Output page 1 on a project database file: loading (all figures, all G0 transfers) and
// printing to a PDF file.
#include "FixedClock.h"
#include "TestSession.h"
#include "data/clsDATEN.h"
#include "page/Seite1.h"
#include "platform/Clock.h"
#include "platform/PaperSurface.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void writeRecord(TestSession& session, int16_t subdivisions)
{
    session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (1,'Sand','',1,3)");
    session.cnnX()->execute("INSERT INTO [E2] VALUES (1,60,22.5,-2,17,-1.5,35,-4,32,-3,10,200,10,60," +
                            std::to_string(subdivisions) + ")");
    session.cnnX()->execute("INSERT INTO [A1] VALUES (1,1)");
}

void PageLoad(benchmark::State& state)
{
    TestSession session;
    writeRecord(session, static_cast<int16_t>(state.range(0)));
    FixedClock clock;
    for (auto _ : state) {
        Seite1 page(session, clock);
        benchmark::DoNotOptimize(page.load());
    }
}
BENCHMARK(PageLoad)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void PagePrint(benchmark::State& state)
{
    TestSession session;
    writeRecord(session, 1000);
    FixedClock clock;
    Seite1 page(session, clock);
    page.load();
    QTemporaryDir folder;
    for (auto _ : state) {
        auto paper = PaperSurface::pdf(folder.filePath("sheet.pdf"));
        page.DRUCKEN(*paper);
        benchmark::DoNotOptimize(paper->finish());
    }
}
BENCHMARK(PagePrint)->Unit(benchmark::kMillisecond);

}  // namespace
