// The three file dialogs; each makes the start directory current again when it closes.
#include "pixelkiln/theme_commands.h"
#include "pixelkiln/theme_files.h"
#include "pixelkiln/working_bitmaps.h"
#include "platform/bitmap.h"
#include "platform/regular_file.h"
#include "platform/text.h"
#include "platform/translation.h"

#include <filesystem>

namespace {

FileDialogRequest themeRequest(FileDialogKind kind) {
    const bool open = kind == FileDialogKind::Open;
    return {kind, translate("Pixelkiln", "Theme Files"), u"*.zpk", u"ZPK", open, !open};
}

// A chosen path that fits the compiler's 260-byte path buffer.
std::optional<std::string> fittingPath(const std::optional<std::u16string>& chosen) {
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    std::string path = utf8FromUtf16(*chosen);
    if (path.size() > kNarrowTextBytes - 1 || path.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return path;
}

bool askTheme(PixelkilnState& state, DialogHost& host, FileDialogKind kind) {
    const auto chosen = fittingPath(host.askFileName(themeRequest(kind)));
    restoreStartDirectory(state);
    if (!chosen) {
        return false;
    }
    state.curThemeFile = *chosen;
    return true;
}

} // namespace

bool askThemeToOpen(PixelkilnState& state, DialogHost& host) {
    return askTheme(state, host, FileDialogKind::Open);
}

bool askThemeToSave(PixelkilnState& state, DialogHost& host) {
    return askTheme(state, host, FileDialogKind::Save);
}

void chooseBitmap(PixelkilnState& state, DialogHost& host, int k) {
    const FileDialogRequest request{FileDialogKind::Open,
                                    translate("Pixelkiln", "Bitmap Files"),
                                    u"*.bmp",
                                    u"BMP",
                                    true,
                                    false};
    const auto chosen = fittingPath(host.askFileName(request));
    restoreStartDirectory(state);
    if (!chosen || k < 1 || k > kPreviewCount) {
        return;
    }
    // A snapshot: later edits of the chosen file reach the theme only when chosen again.
    const auto bytes = readNativeWholeFile(std::filesystem::path(*chosen), kMaxBitmapFileBytes);
    if (bytes && isPieceTheGameLoads(*bytes)) {
        replaceWorkingBitmap(state, k, *bytes);
    }
}
