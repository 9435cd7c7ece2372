// Runs the high-density tests in a QApplication whose screens have two device pixels a point.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
