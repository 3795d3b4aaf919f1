// The windows' tests need a widget application.
#include "RunTests.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return runTests<QApplication>(argc, argv);
}
