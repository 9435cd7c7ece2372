// A fresh device root with a documents folder, a recording shell, and high-score files by hand.
#pragma once

#include "device_root_fixture.h"
#include "game/scores/high_score_table.h"
#include "game/scores/password_codec.h"
#include "game/scores/score_services.h"
#include "platform/random.h"

#include <filesystem>
#include <string>
#include <vector>

struct ShownBox {
    std::u16string text;
    std::u16string caption;
    bool operator==(const ShownBox&) const = default;
};

class RecordingShell : public MessageBoxService, public ProgramEndService {
  public:
    int showMessageBox(std::u16string_view text, std::u16string_view caption) override {
        boxes.push_back({std::u16string(text), std::u16string(caption)});
        return kButtonOk;
    }
    void endProgram(int exitCode) override { endings.push_back(exitCode); }

    std::vector<ShownBox> boxes;
    std::vector<int> endings;
};

class HighScoreTest : public DeviceRootTest {
  protected:
    static constexpr std::u16string_view kFile = u"\\my documents\\high.scr";

    void SetUp() override {
        DeviceRootTest::SetUp();
        std::filesystem::create_directories(root() / "my documents");
        setMessageBoxService(&shell_);
        setProgramEndService(&shell_);
        seedRandom(1);
    }
    void TearDown() override {
        setMessageBoxService(nullptr);
        setProgramEndService(nullptr);
        DeviceRootTest::TearDown();
    }

    // A UTF-16LE field of `units` units holding an ASCII text, zero-filled.
    static std::string field(const std::string& ascii, std::size_t units) {
        std::string bytes;
        for (std::size_t i = 0; i < units; ++i) {
            bytes += i < ascii.size() ? ascii[i] : '\0';
            bytes += '\0';
        }
        return bytes;
    }
    static std::string ascii(const std::u16string& text) { return {text.begin(), text.end()}; }
    static std::u16string wide(const std::string& text) { return {text.begin(), text.end()}; }

    // A current-layout file whose every entry is (name, password), then one per place overridden.
    static std::string tableFile(const std::string& name, const std::u16string& password) {
        std::string bytes;
        for (int record = 0; record < 30; ++record) {
            bytes += field(name, 31) + field(ascii(password), 20);
        }
        return bytes;
    }
    static void setRecord(std::string& file, int level, int place, const std::string& name,
                          const std::u16string& password) {
        file.replace(std::size_t(level * 10 + place) * 102, 102,
                     field(name, 31) + field(ascii(password), 20));
    }
    // Level 1 holds the scores 1000, 900, ..., 100 under the names p0 .. p9.
    static std::string rankedFile() {
        std::string file = tableFile("No name", u"qdwnh");
        for (int place = 0; place < 10; ++place) {
            setRecord(file, 1, place, "p" + std::to_string(place),
                      encodePassword(std::uint32_t(1000 - 100 * place), 5, 1, place));
        }
        return file;
    }

    void writeTableFile(const std::string& bytes) { writeFile("my documents/high.scr", bytes); }
    std::string tableOnDisk() const { return readFile("my documents/high.scr"); }
    void load() { loadHighScores(highScores, kFile); }

    std::u16string nameAt(int level, int place) const {
        return std::u16string(highScores.table.entries[level][place].name);
    }
    // The table's operations on the fixture's table.
    std::uint32_t entryScore(int level, int place) const {
        return ::entryScore(highScores.table, level, place);
    }
    std::u16string entryPassword(int level, int place) const {
        return ::entryPassword(highScores.table, level, place);
    }
    bool isHighScore(int level, std::uint32_t score) const {
        return ::isHighScore(highScores.table, level, score);
    }
    bool addHighScore(std::u16string_view name, std::u16string_view password) {
        return ::addHighScore(highScores, name, password);
    }

    RecordingShell shell_;
    HighScores highScores;
};
