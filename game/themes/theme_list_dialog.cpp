// The theme list dialog: filling the list box, and Done installing and choosing a theme.
#include "game/themes/theme_list_dialog.h"

#include "game/themes/theme_list.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/translation.h"

namespace {

void clearThemePath(const ThemeSettings& settings) {
    if (settings.themePath) {
        setFieldText(settings.themePath, kThemePathUnits, u"");
    }
}

// Moves a theme from My Documents into the themes folder. The copy replaces the installed file
// only once it is whole on disk, and the file in My Documents goes only once the installed one
// holds the same bytes, so a failed copy never loses either copy of the theme.
void installTheme(std::u16string_view fileName, const ThemeSettings& settings) {
    const std::u16string from = myDocumentsThemePath(fileName);
    const std::u16string to = installedThemePath(fileName, settings);
    if (copyFile(from, to, true) && sameFileContent(from, to)) {
        deleteFile(from);
    }
}

} // namespace

DialogTemplate themeListDialogTemplate() {
    DialogTemplate dialog{kThemeListDialogId,
                          translate("ThemeList", "Load Zorv Theme"),
                          u"MS Sans Serif",
                          8,
                          160,
                          183,
                          {}};
    dialog.controls.push_back({kThemeListBoxId, ControlKind::ListBox, u"", {7, 7, 146, 150}, {}});
    dialog.controls.push_back({kDialogOk,
                               ControlKind::DefaultButton,
                               translate("ThemeList", "OK"),
                               {55, 162, 50, 14},
                               {}});
    return dialog;
}

void ThemeListDialog::initDialog(DialogHandle& dialog) {
    scanThemes(list_, settings_);
    dialog.addListItem(kThemeListBoxId, translate("ThemeList", "The Zorv (Default)"));
    for (const ThemeListEntry& entry : list_) {
        dialog.addListItem(kThemeListBoxId, themeListText(entry));
    }
}

void ThemeListDialog::done(DialogHandle& dialog) {
    const int selected = dialog.selectedListItem(kThemeListBoxId);
    if (selected == 0) {
        // The reload that follows saves the cleared path when it falls back to the built-in set.
        clearThemePath(settings_);
    } else if (selected > 0 && static_cast<std::size_t>(selected) <= list_.size()) {
        const ThemeListEntry& entry = list_[static_cast<std::size_t>(selected) - 1];
        const std::u16string_view fileName = fieldText(entry.fileName);
        clearThemePath(settings_);
        const std::u16string path = installedThemePath(fileName, settings_);
        // A path too long for the field is left unset, so the built-in set follows.
        if (settings_.themePath && path.size() < kThemePathUnits) {
            if (!entry.inThemesFolder) {
                installTheme(fileName, settings_);
            }
            setFieldText(settings_.themePath, kThemePathUnits, path);
        }
        if (settings_.savePreferences) {
            settings_.savePreferences();
        }
    }
    freeThemeList(list_);
    dialog.endDialog(kDialogOk);
}

bool ThemeListDialog::command(DialogHandle& dialog, int id) {
    if (id == kDialogOk) {
        done(dialog);
        return true;
    }
    if (id == kDialogCancel) {
        freeThemeList(list_);
        dialog.endDialog(kDialogCancel);
        return true;
    }
    return false;
}

int themeListDialog(DialogHost& dialogs, const ThemeSettings& settings) {
    ThemeListDialog procedure(settings);
    return dialogs.runModal(themeListDialogTemplate(), procedure);
}
