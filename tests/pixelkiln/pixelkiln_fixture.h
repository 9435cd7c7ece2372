// A fresh start directory, settings and data folders and picture folder for each theme compiler
// test.
#pragma once

#include "pixelkiln/dialog_ids.h"
#include "pixelkiln/main_dialog.h"
#include "pixelkiln/working_bitmaps.h"
#include "platform/dialog_scripted.h"
#include "platform/file_set.h"

#include <QColor>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

class PixelkilnTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        const fs::path root = root_.path().toStdString();
        start = root / "start";
        pictures = root / "pictures";
        fs::create_directories(start);
        fs::create_directories(pictures);
        fs::create_directories(root / "config");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((root / "config").string()));
        settingsFile = root / "config" / "Quendlex" / "Zorv Pixelkiln.conf";
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        workingHome = root / "data" / "Quendlex" / "Zorv Pixelkiln";
        ASSERT_TRUE(ensureFileSet(workingHome, "bitmaps"));
        state.workingFolder = workingHome;
        previous_ = fs::current_path();
        fs::current_path(start);
    }
    void TearDown() override { fs::current_path(previous_); }

    // Working bitmap k in the compiler's own folder.
    fs::path working(int k) const { return workingHome / "bitmaps" / (std::to_string(k) + ".bmp"); }

    // A one-colour bitmap file.
    static fs::path makeBitmap(const fs::path& path, int width, int height, QColor colour) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
        return path;
    }
    // Working bitmaps 1 to 7, each its own colour.
    void makeWorkingBitmaps() {
        for (int k = 1; k <= 7; ++k) {
            makeBitmap(working(k), 28, 28, QColor(30 * k, 0, 0));
        }
    }
    static std::vector<char> bytesOf(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeBytes(const fs::path& path, const std::vector<char>& bytes) {
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
    }
    // Runs the program once with the user's part in its main dialog.
    void run(DialogScript script) {
        host.playDialog(std::move(script));
        state = PixelkilnState{};
        runPixelkiln(host, state);
    }

    ScriptedDialogHost host;
    PixelkilnState state;
    fs::path start;
    fs::path pictures;
    fs::path settingsFile;
    fs::path workingHome;

  private:
    QTemporaryDir root_;
    fs::path previous_;
};

inline std::u16string u16(const fs::path& path) {
    return path.u16string();
}

// An ASCII name widened, as theme files store it.
inline std::u16string ascii(std::string_view text) {
    return {text.begin(), text.end()};
}
