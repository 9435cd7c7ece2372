// Theme list: what the dialog lists from both folders, and what Done installs and chooses.
#include "device_root_fixture.h"
#include "game/themes/theme_list.h"
#include "game/themes/theme_list_dialog.h"
#include "game/themes/theme_settings.h"
#include "platform/dialog_scripted.h"
#include "platform/text.h"
#include "theme_file_writer.h"
#include "theme_format/theme_file.h"

#include <cstdint>
#include <vector>

namespace fs = std::filesystem;

namespace {

int savesCounted = 0;
void countSave() {
    ++savesCounted;
}

// The bytes of a theme file whose name field is given raw: its length N, then `nameBytes`.
std::string rawTheme(std::uint32_t n, const std::string& nameBytes) {
    std::string bytes("ZPK\0"
                      "1.1\0",
                      8);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>((n >> shift) & 0xFF);
    }
    return bytes + nameBytes;
}

std::string utf16le(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Keeps the texts a procedure adds to its list boxes, passing every call on to the dialog.
class ListRecorder : public DialogProcedure, private DialogHandle {
  public:
    explicit ListRecorder(DialogProcedure& inner) : inner_(inner) {}
    std::vector<std::u16string> lines;

    void initDialog(DialogHandle& dialog) override {
        dialog_ = &dialog;
        inner_.initDialog(*this);
    }
    bool command(DialogHandle& dialog, int id) override {
        dialog_ = &dialog;
        return inner_.command(*this, id);
    }

  private:
    std::u16string itemText(int id) const override { return dialog_->itemText(id); }
    void setItemText(int id, std::u16string_view text) override { dialog_->setItemText(id, text); }
    std::u16string caption() const override { return dialog_->caption(); }
    void setCaption(std::u16string_view text) override { dialog_->setCaption(text); }
    void repaintItem(int id) override { dialog_->repaintItem(id); }
    void addListItem(int id, std::u16string_view text) override {
        if (id == kThemeListBoxId) {
            lines.emplace_back(text);
        }
        dialog_->addListItem(id, text);
    }
    int listItemCount(int id) const override { return dialog_->listItemCount(id); }
    int selectedListItem(int id) const override { return dialog_->selectedListItem(id); }
    void selectListItem(int id, int index) override { dialog_->selectListItem(id, index); }
    int messageBox(std::u16string_view text, std::u16string_view caption,
                   MessageButtons buttons) override {
        return dialog_->messageBox(text, caption, buttons);
    }
    void endDialog(int result) override { dialog_->endDialog(result); }

    DialogProcedure& inner_;
    DialogHandle* dialog_ = nullptr;
};

// The scripted host, with the lines of each dialog's list box kept.
class RecordingHost : public ScriptedDialogHost {
  public:
    std::vector<std::u16string> lines;
    int runModal(const DialogTemplate& dialog, DialogProcedure& procedure) override {
        ListRecorder recorder(procedure);
        const int result = ScriptedDialogHost::runModal(dialog, recorder);
        lines = recorder.lines;
        return result;
    }
};

} // namespace

class ThemeList : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        fs::create_directories(root() / "my documents" / "zorv themes");
        setFieldText(themePath, u"\\my documents\\zorv themes\\old.zpk");
        themeSettings = {themePath, installDirectory, &countSave};
        savesCounted = 0;
    }
    void TearDown() override {
        themeSettings = {};
        DeviceRootTest::TearDown();
    }

    // A real theme file named `name` below the root, its records the given bytes.
    void writeTheme(const fs::path& relative, const std::string& name,
                    const std::string& recordBytes = "bitmap") {
        fs::path sources[kThemeRecordCount];
        for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
            sources[k] = root() / ("source" + std::to_string(k));
            writeFile(sources[k].filename(), recordBytes);
        }
        const auto identity = [](std::string_view text) { return utf16FromUtf8(text); };
        ASSERT_TRUE(writeThemeFromFiles(root() / relative, name, identity, sources));
    }

    // Opens the dialog, selects `line` (none when -1), presses `id` and gives the lines listed.
    std::vector<std::u16string> chooseLine(int line, int id = kDialogOk) {
        host.playDialog([&](ScriptedDialog& dialog) {
            dialog.selectListItem(kThemeListBoxId, line);
            dialog.press(id);
        });
        result = themeListDialog(host);
        return host.lines;
    }

    std::u16string path() const { return std::u16string(fieldText(themePath)); }

    char16_t themePath[kThemePathUnits] = {};
    char16_t installDirectory[kThemePathUnits] = u"\\my documents";
    RecordingHost host;
    int result = 0;
};

TEST_F(ThemeList, ANewThemeIsListedMovedIntoTheThemesFolderChosenAndSaved) {
    writeTheme("my documents/squares.zpk", "Squares");
    const std::string content = readFile("my documents/squares.zpk");
    EXPECT_EQ(chooseLine(1),
              (std::vector<std::u16string>{u"The Zorv (Default)", u"NEW - Squares"}));
    EXPECT_EQ(host.dialogsShown, std::vector<std::u16string>{u"Load Zorv Theme"});
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(fs::exists(root() / "my documents" / "squares.zpk"));
    EXPECT_EQ(readFile("my documents/zorv themes/squares.zpk"), content);
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\squares.zpk");
    EXPECT_EQ(savesCounted, 1);
    EXPECT_TRUE(themeList.empty());

    EXPECT_EQ(chooseLine(-1), (std::vector<std::u16string>{u"The Zorv (Default)", u"Squares"}));
}

TEST_F(ThemeList, AnUpdatedCopyIsListedBeforeTheInstalledThemeAndOverwritesIt) {
    writeTheme("my documents/zorv themes/squares.zpk", "Squares", "old");
    writeTheme("my documents/Squares.ZPK", "Squares Two", "new");
    writeTheme("my documents/zorv themes/aaa.zpk", "Circles");
    const std::string updated = readFile("my documents/Squares.ZPK");
    EXPECT_EQ(chooseLine(1),
              (std::vector<std::u16string>{u"The Zorv (Default)", u"UPDATED - Squares Two",
                                           u"Circles", u"Squares"}));
    EXPECT_EQ(readFile("my documents/zorv themes/squares.zpk"), updated);
    EXPECT_FALSE(fs::exists(root() / "my documents" / "Squares.ZPK"));
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\Squares.ZPK");
    EXPECT_EQ(savesCounted, 1);
}

TEST_F(ThemeList, ChoosingAnInstalledThemeMovesNothing) {
    writeTheme("my documents/zorv themes/circles.zpk", "Circles");
    chooseLine(1);
    EXPECT_TRUE(fs::exists(root() / "my documents" / "zorv themes" / "circles.zpk"));
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\circles.zpk");
    EXPECT_EQ(savesCounted, 1);
}

TEST_F(ThemeList, DoneWithoutASelectionOrTheCloseBoxKeepsThePath) {
    writeTheme("my documents/squares.zpk", "Squares");
    chooseLine(-1);
    EXPECT_EQ(result, 1);
    chooseLine(1, kDialogCancel);
    EXPECT_EQ(result, kDialogCancel);
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\old.zpk");
    EXPECT_EQ(savesCounted, 0);
    EXPECT_TRUE(fs::exists(root() / "my documents" / "squares.zpk"));
}

TEST_F(ThemeList, TheDefaultEntryClearsThePathWithoutSaving) {
    writeTheme("my documents/squares.zpk", "Squares");
    EXPECT_EQ(chooseLine(0).size(), 2u);
    EXPECT_EQ(path(), u"");
    EXPECT_EQ(savesCounted, 0); // the reload saves it when it falls back to the built-in set
    EXPECT_TRUE(fs::exists(root() / "my documents" / "squares.zpk"));
}

TEST_F(ThemeList, AFailedCopyKeepsTheOnlyCopyInMyDocuments) {
    writeTheme("my documents/squares.zpk", "Squares");
    const std::string content = readFile("my documents/squares.zpk");
    fs::create_directory(root() / "my documents" / "zorv themes" / "squares.zpk");
    chooseLine(1);
    EXPECT_EQ(readFile("my documents/squares.zpk"), content);
    EXPECT_EQ(path(), u"\\my documents\\zorv themes\\squares.zpk");
    EXPECT_EQ(savesCounted, 1);
}

TEST_F(ThemeList, OnlyTheDefaultShowsWhenNoFolderHoldsATheme) {
    writeFile("my documents/notes.txt", "not a theme");
    fs::remove_all(root() / "my documents" / "zorv themes");
    EXPECT_EQ(chooseLine(-1), std::vector<std::u16string>{u"The Zorv (Default)"});
}

TEST_F(ThemeList, HostileNamesAreBoundedAndUnreadableOnesListedEmpty) {
    const std::u16string longest(259, u'x');
    writeFile("my documents/a-empty.zpk", rawTheme(0, ""));
    writeFile("my documents/b-longest.zpk", rawTheme(520, utf16le(longest) + std::string(2, '\0')));
    writeFile("my documents/c-short.zpk", rawTheme(200, utf16le(u"Cut")));
    writeFile("my documents/d-huge.zpk", rawTheme(0xFFFFFFFF, utf16le(longest + longest)));
    writeFile("my documents/e-nolength.zpk", std::string("ZPK\0"
                                                         "1.1\0"
                                                         "\1",
                                                         9));
    writeFile("my documents/zorv themes/f-plain.zpk",
              rawTheme(0xFFFFFFFF, utf16le(longest + u"y")));
    writeFile("my documents/Mine.ZPK", rawTheme(8, utf16le(u"Ver") + std::string(2, '\0')));
    const auto lines = chooseLine(-1);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], u"NEW - ");
    EXPECT_EQ(lines[2], u"NEW - " + longest.substr(0, 253));
    EXPECT_EQ(lines[3], u"NEW - Cut");
    EXPECT_EQ(lines[4], u"NEW - " + longest.substr(0, 253));
    EXPECT_EQ(lines[5], u"NEW - ");
    EXPECT_EQ(lines[6], u"NEW - Ver");
    EXPECT_EQ(lines[7], longest);
}

TEST_F(ThemeList, TheScanReadsNamesCutToTheirFieldAndMarksInstalledNames) {
    const std::u16string longest(259, u'x');
    writeFile("my documents/long.zpk", rawTheme(0xFFFFFFFF, utf16le(longest + u"yz")));
    writeFile("my documents/zorv themes/LONG.zpk", rawTheme(2, std::string(2, '\0')));
    writeFile("my documents/missing-name.zpk", "ZPK");
    scanThemes();
    ASSERT_EQ(themeList.size(), 3u);
    EXPECT_EQ(fieldText(themeList[0].fileName), u"long.zpk");
    EXPECT_EQ(fieldText(themeList[0].themeName), longest);
    EXPECT_EQ(themeList[0].themeName[kThemeListUnits - 1], u'\0');
    EXPECT_TRUE(themeList[0].alreadyInstalled);
    EXPECT_EQ(themeListText(themeList[0]), u"UPDATED - " + longest.substr(0, 249));
    EXPECT_EQ(fieldText(themeList[1].themeName), u"");
    EXPECT_FALSE(themeList[1].alreadyInstalled);
    EXPECT_TRUE(themeList[2].inThemesFolder);
    EXPECT_EQ(themeListText(themeList[2]), u"");
    scanThemes();
    EXPECT_EQ(themeList.size(), 3u); // a rescan replaces the list
    freeThemeList();
    EXPECT_TRUE(themeList.empty());

    char16_t name[kThemeListUnits];
    EXPECT_FALSE(readListedThemeName(name, u"gone.zpk", false));
    EXPECT_EQ(name[0], u'\0');
}

TEST_F(ThemeList, TheTemplateEndsInTheOkButtonThatStandsForDone) {
    const DialogTemplate dialog = themeListDialogTemplate();
    EXPECT_EQ(dialog.id, 106);
    ASSERT_EQ(dialog.controls.size(), 2u);
    EXPECT_EQ(dialog.controls[0].id, 1005);
    EXPECT_EQ(dialog.controls[0].kind, ControlKind::ListBox);
    const ControlTemplate& ok = dialog.controls[1];
    EXPECT_EQ(ok.id, 1);
    EXPECT_EQ(ok.kind, ControlKind::DefaultButton);
    EXPECT_EQ(ok.text, u"OK");
    EXPECT_GT(ok.rect.y, dialog.controls[0].rect.y + dialog.controls[0].rect.height);
    EXPECT_EQ(ok.rect.y + ok.rect.height + 7, dialog.height);
}
