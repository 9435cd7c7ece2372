// Runs the window's tests in a QApplication whose screens have QT_SCALE_FACTOR device pixels a
// point: the factor the environment gives, else two.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
