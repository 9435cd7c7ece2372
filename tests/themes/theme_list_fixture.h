// Theme list tests' scene: both folders, real theme files and a recording dialog host.
#pragma once

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

// The bytes of a theme file whose name field is given raw: its length N, then `nameBytes`.
inline std::string rawTheme(std::uint32_t n, const std::string& nameBytes) {
    std::string bytes("ZPK\0"
                      "1.1\0",
                      8);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>((n >> shift) & 0xFF);
    }
    return bytes + nameBytes;
}

inline std::string utf16le(std::u16string_view text) {
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

class ThemeList : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        fs::create_directories(root() / "my documents" / "zorv themes");
        setFieldText(themePath, u"\\my documents\\zorv themes\\old.zpk");
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
        result = themeListDialog(host, themeSettings);
        return host.lines;
    }

    std::u16string path() const { return std::u16string(fieldText(themePath)); }
    void scanThemes() { ::scanThemes(themeList, themeSettings); }
    bool readListedThemeName(char16_t* destination, std::u16string_view fileName,
                             bool inThemesFolder) const {
        return ::readListedThemeName(destination, fileName, inThemesFolder, themeSettings);
    }

    char16_t themePath[kThemePathUnits] = {};
    char16_t installDirectory[kThemePathUnits] = u"\\my documents";
    RecordingHost host;
    int result = 0;
    int savesCounted = 0;
    ThemeSettings themeSettings{themePath, installDirectory, [this] { ++savesCounted; }};
    ThemeEntries themeList;
};
