#pragma once

#include <vector>

// Fits one axis to its data and to the caller's lists of round candidate values: the
// limits snap to the candidate limits, the length to the candidate lengths, and the
// length's entries give the number of tick, grid and label intervals.
class ScaleChoice {
public:
    // The candidate lists of one axis; the last four are parallel. On a logarithmic axis
    // element 0 of `IT` and `GIT` are the tick and grid modes.
    struct Lists {
        std::vector<float> MIN;
        std::vector<float> DIFF;
        std::vector<float> IT;
        std::vector<float> GIT;
        std::vector<float> ZL;
    };
    struct Axis {
        std::vector<float> ticks;  // linear: values; logarithmic: decimal logarithms
        std::vector<float> grid;   // logarithmic axes: grid positions
        int n = 0;                 // number of tick intervals
        int G = 0;                 // grid intervals (0: none)
        int Z = 0;                 // labelled intervals (0: none)
    };

    // NR is the pass (|NR| = 1 starts a new range from the data, others extend the
    // limits given); automatic limits are fitted, the others kept. Raises on an empty
    // list or a zero interval count.
    static Axis SKALENWAHL(int NR, bool autoMin, bool autoMax, int type, const std::vector<float>& data, float& MIN,
                           float& MAX, const Lists& lists);

    // World units per millimetre for both axes; a positive ratio MYMX = scale y / scale x
    // lets the coarser scale win.
    static void MASSSTAB(float& MX, float& MY, float XMIN, float XMAX, float YMIN, float YMAX, float plotWidth,
                         float plotHeight, float MYMX);

private:
    static Axis linear(int NR, bool autoMin, bool autoMax, float& MIN, float& MAX, const Lists& lists);
    static Axis logarithmic(float& MIN, float& MAX, const Lists& lists);
    static void snapDown(float& MIN, const std::vector<float>& candidates);
    static void snapUp(float& MAX, const std::vector<float>& candidates);
};
