#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

// Runs the tests of a binary with its kind of application, on the offscreen platform
// unless another is asked for.
template <typename Application>
int runTests(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
