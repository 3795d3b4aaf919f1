#include "ScaleChoice.h"

#include "laws/ShearLaw.h"
#include "platform/VbError.h"

#include <cmath>

namespace {

const std::vector<float>& required(const std::vector<float>& list)
{
    if (list.empty())
        throw VbError::of(VbError::SubscriptOutOfRange);
    return list;
}

int whole(float value)
{
    return static_cast<int>(std::nearbyint(value));
}

// j · 10^e in single precision, as the limits are: 0.01 as a limit equals 10^-2 here.
float step(int j, int e)
{
    return static_cast<float>(j * std::pow(10.0, e));
}

}  // namespace

ScaleChoice::Axis ScaleChoice::SKALENWAHL(int NR, bool autoMin, bool autoMax, int type, const std::vector<float>& data,
                                          float& MIN, float& MAX, const Lists& lists)
{
    const std::vector<float> values = data.empty() ? std::vector<float>{0} : data;
    if (autoMin) {
        if (std::abs(NR) == 1)
            MIN = values[0];
        for (float v : values) {
            if (!(v >= MIN))
                MIN = v;
        }
    }
    if (autoMax) {
        if (std::abs(NR) == 1)
            MAX = values[0];
        for (float v : values) {
            if (v > MAX)
                MAX = v;
        }
    }
    return type == 1 ? logarithmic(MIN, MAX, lists) : linear(NR, autoMin, autoMax, MIN, MAX, lists);
}

void ScaleChoice::snapDown(float& MIN, const std::vector<float>& candidates)
{
    if (MIN < candidates.front()) {
        MIN = candidates.front();
        return;
    }
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        if (candidates[i - 1] <= MIN && MIN < candidates[i]) {
            MIN = candidates[i - 1];
            return;
        }
    }
}

void ScaleChoice::snapUp(float& MAX, const std::vector<float>& candidates)
{
    if (MAX > candidates.back()) {
        MAX = candidates.back();
        return;
    }
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        if (candidates[i - 1] < MAX && MAX <= candidates[i]) {
            MAX = candidates[i];
            return;
        }
    }
}

ScaleChoice::Axis ScaleChoice::linear(int NR, bool autoMin, bool autoMax, float& MIN, float& MAX, const Lists& lists)
{
    const std::vector<float>& candidates = required(lists.MIN);
    const std::vector<float>& lengths = required(lists.DIFF);
    if (autoMin)
        snapDown(MIN, candidates);
    if (autoMax)
        snapUp(MAX, candidates);

    float D = MAX - MIN;
    if (D <= lengths.front())
        D = lengths.front();
    if (D >= lengths.back())
        D = lengths.back();
    std::size_t k = 0;
    while (k + 1 < lengths.size() && !(D <= lengths[k]))
        ++k;
    D = lengths[k];
    if (NR != 1 && NR != 2)
        MAX = MIN + D;

    Axis axis;
    const auto entry = [k](const std::vector<float>& list) {
        if (k >= list.size())
            throw VbError::of(VbError::SubscriptOutOfRange);
        return whole(list[k]);
    };
    axis.G = entry(lists.GIT);
    axis.Z = entry(lists.ZL);
    axis.n = entry(lists.IT);
    if (axis.n <= 0)
        throw VbError::of(VbError::DivisionByZero);
    const float step = D / axis.n;
    axis.ticks.resize(axis.n + 1);
    axis.ticks[0] = MIN;
    for (int i = 1; i <= axis.n; ++i)
        axis.ticks[i] = axis.ticks[i - 1] + step;
    return axis;
}

ScaleChoice::Axis ScaleChoice::logarithmic(float& MIN, float& MAX, const Lists& lists)
{
    snapDown(MIN, required(lists.MIN));
    snapUp(MAX, lists.MIN);
    const int mode = whole(required(lists.IT)[0]);

    Axis axis;
    std::vector<float>& ticks = axis.ticks;
    ticks.push_back(ShearLaw::lg(MIN));
    // Decades are searched from 10^-10 to 10^10 only, so no limit can make the loops run away.
    int e0 = -10;
    while (e0 < 10 && !(step(1, e0) > MIN))
        ++e0;
    int e1 = -11;
    for (int e = -10; e <= 10; ++e) {
        if (step(1, e) <= MAX)
            e1 = e;
    }
    if (mode == 1) {
        for (int e = e0; e <= 10 && step(1, e) <= MAX; ++e)
            ticks.push_back(static_cast<float>(e));
        ticks.push_back(ShearLaw::lg(MAX));
    } else if (mode == 10) {
        if (e1 >= e0) {
            int j0 = 1;
            while (j0 < 9 && !(step(j0, e0 - 1) >= MIN))
                ++j0;
            int j1 = 1;
            while (j1 < 9 && !(step(j1, e1) >= MAX))
                ++j1;
            for (int j = j0 + 1; j <= 9; ++j)
                ticks.push_back(static_cast<float>(e0 - 1 + std::log10(j)));
            for (int e = e0; e < e1; ++e) {
                for (int j = 0; j <= 9; ++j)
                    ticks.push_back(e + ShearLaw::lg(j));
            }
            for (int j = 1; j < j1; ++j)
                ticks.push_back(static_cast<float>(e1 + std::log10(j)));
        } else {
            // Both limits in one decade: the steps of that decade between them.
            for (int j = 1; j <= 9; ++j) {
                const float at = step(j, e1);
                if (at > MIN && at < MAX)
                    ticks.push_back(static_cast<float>(std::log10(at)));
            }
        }
        ticks.push_back(ShearLaw::lg(MAX));
    }
    axis.n = static_cast<int>(ticks.size()) - 1;

    axis.G = whole(required(lists.GIT)[0]);
    axis.Z = whole(required(lists.ZL)[0]);
    if (mode == axis.G) {
        axis.grid = ticks;
    } else if (mode == 10 && axis.G == 1) {
        for (float tick : ticks) {
            if (std::fabs(tick - std::nearbyint(tick)) < 1e-6f &&
                (axis.grid.empty() || axis.grid.back() != std::nearbyint(tick)))
                axis.grid.push_back(std::nearbyint(tick));
        }
    }
    return axis;
}

void ScaleChoice::MASSSTAB(float& MX, float& MY, float XMIN, float XMAX, float YMIN, float YMAX, float plotWidth,
                           float plotHeight, float MYMX)
{
    if (MX == 0)
        MX = (XMAX - XMIN) / plotWidth;
    if (MY == 0)
        MY = (YMAX - YMIN) / plotHeight;
    if (MYMX > 0) {
        if (MX > MY)
            MY = MYMX * MX;
        else
            MX = MY / MYMX;
    }
}
