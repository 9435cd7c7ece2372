// A fatal error shows its text once and ends the program with exit code 0.
#include "platform/fatal_error.h"

#include <QString>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Writes what the user would see to the error stream, where the death test reads it.
class PrintedDisplay final : public FatalErrorDisplay {
  public:
    void show(std::u16string_view text) override {
        ++shown;
        std::fprintf(stderr, "Error box %d: %s\n", shown,
                     QString::fromUtf16(text.data(), qsizetype(text.size())).toUtf8().constData());
        if (again)
            fatalError(u"select object bmpDC, backBufferBMP");
    }
    int shown = 0;
    bool again = false;
};

} // namespace

TEST(FatalErrorDeathTest, ShowsTheTextAndEndsWithExitCodeZero) {
    EXPECT_EXIT(
        {
            PrintedDisplay display;
            setFatalErrorDisplay(&display);
            fatalError(u"No hdc");
        },
        ::testing::ExitedWithCode(0), "Error box 1: No hdc");
}

TEST(FatalErrorDeathTest, ASecondErrorWhileTheBoxShowsEndsAtOnce) {
    EXPECT_EXIT(
        {
            PrintedDisplay display;
            display.again = true;
            setFatalErrorDisplay(&display);
            fatalError(u"no bmpDC");
        },
        ::testing::ExitedWithCode(0), "Error box 1: no bmpDC\n$");
}
