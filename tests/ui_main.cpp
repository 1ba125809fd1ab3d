// The widget tests run in one QApplication named as the program's, on the offscreen screen their
// build names unless another platform is given.
#include "application_identity.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // gtest_discover_tests lists the tests right after the build, without the tests'
    // environment: without this, creating the application would abort there.
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", OFFSCREEN_PLATFORM);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    nameApplication();
    return RUN_ALL_TESTS();
}
