// Single-value and array transfers on a project database file, as the output page makes
// them: every call opens its own recordset.
#include "TestSession.h"
#include "data/clsDATEN.h"

#include <benchmark/benchmark.h>

namespace {

void SingleValueWrite(benchmark::State& state)
{
    TestSession session;
    clsDATEN geometry(session);
    geometry.ETABELLE = "G0";
    geometry.ESPIDW = 1;
    float value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(geometry.DVTS("XMAX", value += 1, {"IDOBJEKT", int16_t(11)}));
}
BENCHMARK(SingleValueWrite);

void SingleValueRead(benchmark::State& state)
{
    TestSession session;
    clsDATEN geometry(session);
    geometry.ETABELLE = "G0";
    geometry.ESPIDW = 1;
    geometry.DVTS("XMAX", 350, {"IDOBJEKT", int16_t(11)});
    float value = 0;
    for (auto _ : state) {
        geometry.DTVS("XMAX", value, {"IDOBJEKT", int16_t(11)});
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(SingleValueRead);

void ArrayWrite1000(benchmark::State& state)
{
    TestSession session;
    session.cnnX()->execute("CREATE TABLE [M] ([ID] INTEGER, [NR] SMALLINT, [W] SINGLE)");
    clsDATEN daten(session);
    daten.ETABELLE = "M";
    daten.ESPIDW = 1;
    std::vector<float> values(1000);
    for (auto _ : state) {
        for (float& value : values)
            value += 1;
        benchmark::DoNotOptimize(daten.DVTSF("W", values, {"NR"}));
    }
}
BENCHMARK(ArrayWrite1000)->Unit(benchmark::kMillisecond);

}  // namespace
