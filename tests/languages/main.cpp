// Runs the language tests in a QApplication on a laptop-sized screen, at the scale given by
// --scale=N (device pixels a point; 1 when not given).
#include <QApplication>
#include <QTemporaryFile>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int scale = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            scale = std::max(1, std::atoi(argv[i] + 8));
        }
    }
    // 1366 by 768 points whatever the scale: dialogs must fit a small laptop's screen.
    QTemporaryFile screens;
    screens.open();
    screens.write(QStringLiteral(R"({"screens": [{"name": "laptop", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                      .arg(1366 * scale)
                      .arg(768 * scale)
                      .toUtf8());
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
