// Help always opens: in the desktop's browser when one starts, else in the program's own window.
#include "platform/help_viewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextBrowser>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class HelpViewer : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/zorv-help-XXXXXX";
        folder_ = mkdtemp(pattern);
        fs::create_directories(folder_ / "bin");
        std::ofstream(folder_ / "page.htm") << "<html><body><p>How to swap faces</p></body></html>";
        savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (folder_ / "bin").c_str(), 1);
    }
    void TearDown() override {
        if (QWidget* window = helpWindow()) {
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        setenv("PATH", savedPath_.c_str(), 1);
        fs::remove_all(folder_);
    }
    // A stand-in for the desktop's opener that notes the page and exits with this status.
    void installOpener(int exitStatus) {
        const fs::path opener = folder_ / "bin" / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\necho \"$1\" > '" << (folder_ / "opened").string()
                              << "'\nexit " << exitStatus << "\n";
        fs::permissions(opener, fs::perms::owner_all);
    }
    QString page() const { return QString::fromStdString((folder_ / "page.htm").string()); }
    bool opened() const { return fs::exists(folder_ / "opened"); }
    static bool ownWindowShows(int waitMs) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < waitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (helpWindow() && helpWindow()->isVisible()) {
                return true;
            }
        }
        return false;
    }

    fs::path folder_;
    std::string savedPath_;
};

TEST_F(HelpViewer, WithoutAnOpenerThePageShowsInTheProgramsOwnWindow) {
    openHelpPage(page());
    ASSERT_TRUE(ownWindowShows(0) || ownWindowShows(500));
    auto* browser = qobject_cast<QTextBrowser*>(helpWindow());
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("How to swap faces"));
    EXPECT_EQ(browser->windowTitle(), "Zorvagon Help");
}

TEST_F(HelpViewer, AnOpenerThatFailsLeadsToTheOwnWindow) {
    installOpener(4);
    openHelpPage(page());
    EXPECT_TRUE(ownWindowShows(5000));
    EXPECT_TRUE(opened());
}

TEST_F(HelpViewer, AnOpenerThatSucceedsIsLeftToShowThePage) {
    installOpener(0);
    openHelpPage(page());
    EXPECT_FALSE(ownWindowShows(1500));
    EXPECT_TRUE(opened());
}

TEST_F(HelpViewer, AMissingPageStillOpensAWindowThatSaysSo) {
    openHelpPage(page() + ".gone");
    ASSERT_TRUE(ownWindowShows(500));
    EXPECT_TRUE(qobject_cast<QTextBrowser*>(helpWindow())->toPlainText().contains("not be found"));
}

} // namespace
