#pragma once

// A scroll bar as the drawing routines see it: a value in a range, the step sizes, its
// place in the target's scale units and whether it is shown. The window layer mirrors
// it into a real widget.
struct ScrollBar {
    int value = 0;
    int min = 0;
    int max = 32767;
    int largeChange = 1;
    int smallChange = 1;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool visible = false;
};
