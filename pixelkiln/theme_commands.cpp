// Opening a theme file into the working bitmaps, and saving them as one.
#include "pixelkiln/theme_commands.h"

#include "pixelkiln/dialog_ids.h"
#include "pixelkiln/main_dialog.h"
#include "platform/text.h"
#include "theme_format/theme_file.h"

#include <fstream>
#include <vector>

namespace {

// Whether all seven records follow; each is read whole and dropped again.
bool recordsComplete(std::istream& in) {
    std::vector<std::uint8_t> record;
    for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
        if (!readPieceRecord(in, record)) {
            return false;
        }
    }
    return true;
}

void writeWorkingBitmap(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::u16string utf16FromNarrow(std::string_view text) {
    return utf16FromUtf8(text);
}

} // namespace

bool openTheme(PixelkilnState& state) {
    std::ifstream in(std::filesystem::path(state.curThemeFile), std::ios::binary);
    if (!in || !checkThemeHeader(in) || !skipThemeName(in)) {
        return false;
    }
    // The whole file is checked before a single working bitmap is replaced.
    const std::streampos records = in.tellg();
    if (!recordsComplete(in)) {
        return false;
    }
    const auto name = readThemeName(in);
    if (!name) {
        return false;
    }
    state.curThemeName = narrowFromDialogText(*name);
    in.clear();
    in.seekg(records);
    std::vector<std::uint8_t> record;
    for (int k = 1; k <= kPreviewCount; ++k) {
        // A working bitmap that cannot be written still has its record read, to stay in step.
        if (readPieceRecord(in, record)) {
            writeWorkingBitmap(workingBitmapPath(state, k), record);
        }
    }
    return true;
}

void openCommand(PixelkilnState& state, DialogHost& host, DialogHandle& dialog) {
    // A cancelled dialog leaves the working bitmaps alone, even with a theme file current.
    if (askThemeToOpen(state, host)) {
        openTheme(state);
        restoreStartDirectory(state);
        dialog.setItemText(PixelkilnId::NameBox, dialogTextFromNarrow(state.curThemeName));
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
        host.messageBox({u"You must name your theme first.", u"Save Error"});
        invalidatePreviews(dialog);
        return;
    }
    std::filesystem::path sources[kThemeRecordCount];
    for (int k = 1; k <= kPreviewCount; ++k) {
        sources[k - 1] = workingBitmapPath(state, k);
    }
    if (!writeThemeFile(std::filesystem::path(state.curThemeFile), state.curThemeName,
                        utf16FromNarrow, sources)) {
        host.messageBox({u"There was an error saving the theme.", u"Error"});
    }
    invalidatePreviews(dialog);
    updateTitle(dialog, state);
}

void saveThemeAs(PixelkilnState& state, DialogHost& host, DialogHandle& dialog) {
    if (askThemeToSave(state, host)) {
        saveTheme(state, host, dialog);
    }
}
