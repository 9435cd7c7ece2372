// Opening a theme file into the working bitmaps, and saving them as one.
#include "pixelkiln/theme_commands.h"

#include "pixelkiln/dialog_ids.h"
#include "pixelkiln/main_dialog.h"
#include "pixelkiln/theme_files.h"
#include "pixelkiln/working_bitmaps.h"
#include "platform/text.h"
#include "platform/translation.h"

namespace {

std::u16string utf16FromNarrow(std::string_view text) {
    return utf16FromUtf8(text);
}

} // namespace

bool openTheme(PixelkilnState& state) {
    // The whole file is checked before a single working bitmap is replaced, and the seven are
    // replaced as one, so neither a failing disk nor a crash leaves a mixture of two themes.
    const auto theme = readThemeFile(std::filesystem::path(state.curThemeFile));
    if (!theme || !replaceWorkingBitmaps(state, theme->records)) {
        return false;
    }
    state.curThemeName = narrowFromDialogText(theme->name);
    return true;
}

void openCommand(PixelkilnState& state, DialogHost& host, DialogHandle& dialog) {
    // A cancelled dialog leaves the working bitmaps alone, even with a theme file current. A
    // theme that cannot be opened does not become current: the next Save would write the old
    // bitmaps into it.
    const std::string current = state.curThemeFile;
    if (askThemeToOpen(state, host)) {
        const bool opened = openTheme(state);
        restoreStartDirectory(state);
        if (opened) {
            dialog.setItemText(PixelkilnId::NameBox, dialogTextFromNarrow(state.curThemeName));
        } else {
            state.curThemeFile = current;
            host.messageBox({translate("Pixelkiln", "There was an error opening the theme."),
                             translate("Pixelkiln", "Error")});
        }
    }
    invalidatePreviews(dialog);
    updateTitle(dialog, state);
}

void saveTheme(PixelkilnState& state, DialogHost& host, DialogHandle& dialog) {
    while (state.curThemeFile.empty()) {
        if (!askThemeToSave(state, host)) {
            invalidatePreviews(dialog);
            return;
        }
    }
    state.curThemeName = narrowFromDialogText(dialog.itemText(PixelkilnId::NameBox));
    if (state.curThemeName.empty()) {
        host.messageBox({translate("Pixelkiln", "You must name your theme first."),
                         translate("Pixelkiln", "Save Error")});
        invalidatePreviews(dialog);
        return;
    }
    std::filesystem::path sources[kThemeRecordCount];
    for (int k = 1; k <= kPreviewCount; ++k) {
        sources[k - 1] = workingBitmapPath(state, k);
    }
    if (!writeThemeFile(std::filesystem::path(state.curThemeFile), state.curThemeName,
                        utf16FromNarrow, sources)) {
        host.messageBox({translate("Pixelkiln", "There was an error saving the theme."),
                         translate("Pixelkiln", "Error")});
    }
    invalidatePreviews(dialog);
    updateTitle(dialog, state);
}

void saveThemeAs(PixelkilnState& state, DialogHost& host, DialogHandle& dialog) {
    if (askThemeToSave(state, host)) {
        saveTheme(state, host, dialog);
    }
}
