// Preferences files cut at every byte or followed by garbage: a short file gives the defaults and
// keeps its theme path and reserved bytes.
#include "device_root_fixture.h"
#include "game/shell/install_directory.h"
#include "game/shell/preferences.h"
#include "without_syncs.h"

namespace {

void putLe(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xff);
    }
}

// A record unlike the defaults in every field.
std::string chosenRecord() {
    std::string bytes(552, '\0');
    putLe(bytes, 0, 0, 4);
    putLe(bytes, 4, 0x0a0b0c, 3);
    bytes[7] = '\x77';
    putLe(bytes, 8, 40030, 4);
    const std::u16string path = u"\\my documents\\zorv themes\\fruit.zpk";
    for (std::size_t i = 0; i < path.size(); ++i) {
        putLe(bytes, 12 + 2 * i, path[i], 2);
    }
    putLe(bytes, 532, 0, 4);
    putLe(bytes, 536, 0, 4);
    putLe(bytes, 540, 0, 4);
    bytes[544] = 60;
    bytes[545] = char(135);
    bytes[546] = 'r';
    bytes[547] = 's';
    putLe(bytes, 548, 40037, 4);
    return bytes;
}

// What loading `stored` writes back: the defaults over every defaulted field of a record that
// starts zeroed and takes the short file's bytes.
std::string defaultedRecord(const std::string& stored) {
    std::string bytes(552, '\0');
    bytes.replace(0, stored.size(), stored);
    putLe(bytes, 0, 1, 4);
    putLe(bytes, 4, 0xc8c8c8, 3);
    putLe(bytes, 8, 40020, 4);
    putLe(bytes, 532, 1, 4);
    putLe(bytes, 536, 1, 4);
    putLe(bytes, 540, 1, 4);
    bytes[544] = char(130);
    bytes[545] = char(145);
    putLe(bytes, 548, 40040, 4);
    return bytes;
}

} // namespace

class DamagedPreferences : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        std::filesystem::create_directories(root() / "my documents");
        readInstallDirectory(installDirectory);
    }
    std::u16string prf() const { return installPath(installDirectory, u"zorv.prf"); }

    char16_t installDirectory[kPathUnits] = {};
    Preferences preferences;
};

TEST_F(DamagedPreferences, AFileCutAtEveryByteGivesTheDefaultsWithItsThemePathKept) {
    WithoutSyncs quick;
    const std::string record = chosenRecord();
    for (std::size_t cut = 0; cut < record.size(); ++cut) {
        SCOPED_TRACE(cut);
        writeFile("my documents/zorv.prf", record.substr(0, cut));
        loadPreferences(preferences, prf());
        ASSERT_EQ(readFile("my documents/zorv.prf"), defaultedRecord(record.substr(0, cut)));
    }
    EXPECT_EQ(std::u16string(preferences.themePath), u"\\my documents\\zorv themes\\fruit.zpk");
    EXPECT_EQ(preferences.reserved546[1], 's');
}

TEST_F(DamagedPreferences, GarbageAfterAWholeRecordIsIgnoredAndTheFileLeftAsItIs) {
    const std::string file = chosenRecord() + std::string(1000, '\xee');
    writeFile("my documents/zorv.prf", file);
    loadPreferences(preferences, prf());
    EXPECT_EQ(readFile("my documents/zorv.prf"), file);
    EXPECT_EQ(preferences.colorCommand, 40030);
    EXPECT_EQ(preferences.swapSpeed, 60);
    EXPECT_EQ(preferences.themePath[259], u'\0');
}
