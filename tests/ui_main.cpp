// The widget tests run in one QApplication, offscreen unless a platform is given.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // gtest_discover_tests lists the tests right after the build, without the tests'
    // environment: without this, creating the application would abort there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
