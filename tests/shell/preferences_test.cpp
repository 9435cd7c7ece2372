// The install directory and the preferences file on a temporary device root.
#include "device_root_fixture.h"
#include "file_fault_cases.h"
#include "game/shell/install_directory.h"
#include "game/shell/preferences.h"
#include "permissions_apply.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

} // namespace

class PreferencesFile : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        fs::create_directories(root() / "my documents");
        readInstallDirectory(installDirectory);
    }
    std::string file() const { return readFile("my documents/zorv.prf"); }
    std::u16string prf() const { return installPath(installDirectory, u"zorv.prf"); }

    char16_t installDirectory[kPathUnits] = {};
    Preferences preferences;
};

TEST_F(PreferencesFile, WithoutARegistryTheGameLivesInMyDocuments) {
    EXPECT_EQ(fieldText(installDirectory), u"\\my documents");
    EXPECT_EQ(installPath(installDirectory, u"zorv.prf"), u"\\my documents\\zorv.prf");
}

TEST_F(PreferencesFile, TheRegistryNamesTheInstallDirectoryUpTo259Characters) {
    writeFile("registry.ini", "[SOFTWARE\\Apps\\Quendlex Zorvagon]\ninstalldir=\\Games\\Zorv\n");
    readInstallDirectory(installDirectory);
    EXPECT_EQ(installPath(installDirectory, u"high.scr"), u"\\Games\\Zorv\\high.scr");
    const std::string longest = "\\" + std::string(258, 'd');
    writeFile("registry.ini", "[SOFTWARE\\Apps\\Quendlex Zorvagon]\ninstalldir=" + longest + "\n");
    readInstallDirectory(installDirectory);
    EXPECT_EQ(utf8FromUtf16(fieldText(installDirectory)), longest);
    writeFile("registry.ini", "[SOFTWARE\\Apps\\Quendlex Zorvagon]\ninstalldir=" + longest + "e\n");
    readInstallDirectory(installDirectory);
    EXPECT_EQ(fieldText(installDirectory), u"\\my documents");
}

TEST_F(PreferencesFile, AFirstStartWritesTheDefaults) {
    loadPreferences(preferences, prf());
    const std::string bytes = file();
    ASSERT_EQ(bytes.size(), 552u);
    std::string expected(552, '\0');
    expected[0] = 1;
    expected[4] = expected[5] = expected[6] = char(200);
    expected[8] = char(40020 & 0xFF);
    expected[9] = char(40020 >> 8);
    expected[532] = expected[536] = expected[540] = 1;
    expected[544] = char(130);
    expected[545] = char(145);
    expected[548] = char(40040 & 0xFF);
    expected[549] = char(40040 >> 8);
    EXPECT_EQ(bytes, expected);
}

TEST_F(PreferencesFile, AShortFileKeepsItsThemePathAndReservedBytesOnly) {
    std::string stored(551, '\0');
    stored[0] = 0;                          // hints off: will be defaulted back on
    stored[7] = 0x5A;                       // reserved
    stored[12] = 'T';                       // theme path "T"
    stored[544] = 10;                       // a swap speed that will be defaulted
    stored[546] = 0x11, stored[547] = 0x22; // reserved
    writeFile("my documents/zorv.prf", stored);
    loadPreferences(preferences, prf());
    EXPECT_EQ(fieldText(preferences.themePath), u"T");
    EXPECT_EQ(preferences.hintsOn, 1);
    EXPECT_EQ(preferences.swapSpeed, 130);
    const std::string bytes = file();
    ASSERT_EQ(bytes.size(), 552u);
    EXPECT_EQ(bytes[7], 0x5A);
    EXPECT_EQ(bytes[546], 0x11);
    EXPECT_EQ(bytes[547], 0x22);
    EXPECT_EQ(le32(bytes, 548), 40040u);
}

TEST_F(PreferencesFile, ALongerFileCountsItsFirst552BytesAndIsNotRewrittenAtLoad) {
    std::string stored(600, '\0');
    stored[4] = 7; // red
    writeFile("my documents/zorv.prf", stored);
    loadPreferences(preferences, prf());
    EXPECT_EQ(preferences.backgroundRed, 7);
    EXPECT_EQ(preferences.hintsOn, 0);
    EXPECT_EQ(file().size(), 600u);
    toggleHints(preferences, prf());
    EXPECT_EQ(file().size(), 552u);
}

TEST_F(PreferencesFile, EachToggleFlipsAndSaves) {
    loadPreferences(preferences, prf());
    const std::string original = file();
    EXPECT_EQ(toggleHints(preferences, prf()), 0);
    EXPECT_EQ(le32(file(), 0), 0u);
    EXPECT_EQ(toggleSound(preferences, prf()), 0);
    EXPECT_EQ(le32(file(), 532), 0u);
    EXPECT_EQ(toggleTurnScore(preferences, prf()), 0);
    EXPECT_EQ(le32(file(), 536), 0u);
    EXPECT_EQ(toggleTransparency(preferences, prf()), 0);
    EXPECT_EQ(le32(file(), 540), 0u);
    toggleHints(preferences, prf()), toggleSound(preferences, prf()),
        toggleTurnScore(preferences, prf()), toggleTransparency(preferences, prf());
    EXPECT_EQ(file(), original);
    preferences.hintsOn = 5; // any value but 0 counts as on
    EXPECT_EQ(toggleHints(preferences, prf()), 0);
}

TEST_F(PreferencesFile, ColoursAndSpeedsStoreTheirTablesAndCommand) {
    loadPreferences(preferences, prf());
    setColor(preferences, prf(), kColorBlack);
    EXPECT_EQ(file().substr(4, 3), std::string(3, '\0'));
    EXPECT_EQ(le32(file(), 8), 40030u);
    setColor(preferences, prf(), kColorCyan);
    EXPECT_EQ(file().substr(4, 3), std::string("\x0F\xE6\xF4"));
    EXPECT_EQ(le32(file(), 8), 40029u);
    EXPECT_EQ(preferences.backgroundColor(), 15u + 230u * 256 + 244u * 65536);
    setColor(preferences, prf(), 12345);
    EXPECT_EQ(preferences.backgroundColor(), 0u);
    setSpeed(preferences, prf(), kSpeedNormal);
    EXPECT_EQ(file()[544], 60);
    EXPECT_EQ(file()[545], char(135));
    EXPECT_EQ(le32(file(), 548), 40037u);
    for (int id : {kSpeedFast, kSpeedFaster, kSpeedInstant}) {
        setSpeed(preferences, prf(), id);
        EXPECT_EQ(preferences.fallSpeed, 145);
    }
    setSpeed(preferences, prf(), 1);
    EXPECT_EQ(preferences.swapSpeed, 130);
    EXPECT_EQ(preferences.speedCommand, 1);
}

TEST_F(PreferencesFile, AnUnwritableInstallDirectoryChangesNothingAndSaysNothing) {
    writeFile("registry.ini", "[SOFTWARE\\Apps\\Quendlex Zorvagon]\ninstalldir=\\missing\n");
    readInstallDirectory(installDirectory);
    loadPreferences(preferences, prf());
    EXPECT_EQ(toggleSound(preferences, prf()), 0);
    EXPECT_EQ(preferences.soundOn, 0);
    EXPECT_FALSE(fs::exists(root() / "missing"));
}

TEST_F(PreferencesFile, AnyDamagedFileGivesAWorkingRecord) {
    fs::create_directories(root() / "my documents" / "zorv.prf");
    loadPreferences(preferences, prf());
    EXPECT_EQ(preferences.swapSpeed, 130);
    EXPECT_TRUE(fs::is_directory(root() / "my documents" / "zorv.prf"));
    fs::remove(root() / "my documents" / "zorv.prf");
    for (std::size_t length = 0; length <= 10000; length += (length < 600 ? 1 : 997)) {
        std::string stored(length, '\xFF');
        writeFile("my documents/zorv.prf", stored);
        loadPreferences(preferences, prf());
        const bool complete = length >= 552;
        ASSERT_EQ(preferences.fallSpeed, complete ? 255 : 145) << length;
        ASSERT_EQ(file().size(), complete ? length : 552u) << length;
    }
}

TEST_F(PreferencesFile, AnUnreadableFileGivesTheDefaultsAndIsNeverWrittenOver) {
    const std::string stored(552, '\x01');
    writeFile("my documents/zorv.prf", stored);
    fs::permissions(root() / "my documents" / "zorv.prf", fs::perms::none);
    {
        PermissionsApply permissions;
        if (const auto why = PermissionsApply::whyNot(root() / "my documents" / "zorv.prf")) {
            GTEST_SKIP() << *why;
        }
        loadPreferences(preferences, prf());
        EXPECT_EQ(preferences.hintsOn, 1);
        EXPECT_EQ(toggleSound(preferences, prf()), 0); // the change holds for this run, silently
    }
    fs::permissions(root() / "my documents" / "zorv.prf", fs::perms::owner_read);
    EXPECT_EQ(file(), stored);
    EXPECT_EQ(entries(root() / "my documents"), std::vector<std::string>{"zorv.prf"});
    loadPreferences(preferences, prf()); // readable again: the player's options are back
    EXPECT_EQ(preferences.hintsOn, 0x01010101);
}
