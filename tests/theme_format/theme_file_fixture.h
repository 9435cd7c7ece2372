// A temporary folder with seven small bitmap sources, and helpers to build theme bytes by hand.
#pragma once

#include "theme_file_writer.h"
#include "theme_format/theme_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

class ThemeFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/zorv-theme-XXXXXX";
        folder_ = mkdtemp(pattern);
        for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
            sources_[k] = folder_ / (std::to_string(k + 1) + ".bmp");
            // Record k + 1 holds k + 1 bytes of the digit k + 1.
            writeBytes(sources_[k], std::string(k + 1, char('1' + k)));
        }
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }

    static void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The bytes of a little-endian 32-bit number.
    static std::string le32(std::uint32_t value) {
        return {char(value & 0xff), char(value >> 8 & 0xff), char(value >> 16 & 0xff),
                char(value >> 24 & 0xff)};
    }
    // A name field as stored: N, then the ASCII name in UTF-16LE with its zero unit.
    static std::string nameField(const std::string& ascii) {
        std::string field = le32(std::uint32_t(2 * ascii.size() + 2));
        for (char c : ascii + '\0') {
            field += c;
            field += '\0';
        }
        return field;
    }
    // The records the fixture's sources give.
    static std::string sevenRecords() {
        std::string records;
        for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
            records += le32(std::uint32_t(k + 1)) + std::string(k + 1, char('1' + k));
        }
        return records;
    }
    static std::string header() {
        return std::string("ZPK\0"
                           "1.1\0",
                           8);
    }

    // Widens each byte; enough for the ASCII and Latin-1 names of these cases.
    static std::u16string widen(std::string_view text) {
        std::u16string wide;
        for (unsigned char c : text) {
            wide += char16_t(c);
        }
        return wide;
    }

    bool write(std::string_view name) {
        return writeThemeFromFiles(output(), name, &ThemeFileTest::widen, sources_);
    }
    std::filesystem::path output() const { return folder_ / "theme.zpk"; }

    std::filesystem::path folder_;
    std::filesystem::path sources_[kThemeRecordCount];
};

// What the game's loader makes of some bytes: the seven records, or nothing.
inline std::optional<std::vector<std::vector<std::uint8_t>>>
loadLikeTheGame(const std::string& bytes) {
    std::istringstream in(bytes);
    if (!checkThemeHeader(in) || !skipThemeName(in)) {
        return std::nullopt;
    }
    std::vector<std::vector<std::uint8_t>> records(kThemeRecordCount);
    for (auto& record : records) {
        if (!readPieceRecord(in, record)) {
            return std::nullopt;
        }
    }
    return records;
}

inline std::optional<std::u16string> nameOf(const std::string& bytes) {
    std::istringstream in(bytes);
    return readThemeName(in);
}
