// The core's tests need fonts and text measurement, no window and no widget.
#include "RunTests.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    return runTests<QGuiApplication>(argc, argv);
}
