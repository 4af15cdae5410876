// The widget tests' main(): an offscreen QApplication for every test, even at test discovery.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // gtest_discover_tests runs this binary at build time without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
