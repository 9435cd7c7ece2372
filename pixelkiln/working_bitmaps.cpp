// The seven working bitmaps: a set of "1.bmp" to "7.bmp" in a folder of the compiler's own.
#include "pixelkiln/working_bitmaps.h"

#include "platform/file_replacement.h"
#include "platform/file_set.h"

#include <QStandardPaths>
#include <string>

namespace {

constexpr std::string_view kSetName = "bitmaps";

std::string bitmapName(int k) {
    return std::to_string(k) + ".bmp";
}

} // namespace

std::filesystem::path workingFolderLocation() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        return {};
    }
    return std::filesystem::path(data.toStdString()) / "Quendlex" / "Zorv Pixelkiln";
}

void prepareWorkingBitmaps(PixelkilnState& state) {
    state.workingFolder = workingFolderLocation();
    if (state.workingFolder.empty()) {
        return;
    }
    removeFileSetLeftovers(state.workingFolder, kSetName);
    ensureFileSet(state.workingFolder, kSetName);
}

std::filesystem::path workingBitmapPath(const PixelkilnState& state, int k) {
    if (state.workingFolder.empty()) {
        return {};
    }
    return state.workingFolder / kSetName / bitmapName(k);
}

bool replaceWorkingBitmap(const PixelkilnState& state, int k,
                          const std::vector<std::uint8_t>& bytes) {
    return ensureFileSet(state.workingFolder, kSetName) &&
           replaceNativeFile(workingBitmapPath(state, k), bytes.data(), bytes.size());
}

bool replaceWorkingBitmaps(const PixelkilnState& state,
                           const std::vector<std::uint8_t> (&bitmaps)[kPreviewCount]) {
    std::string names[kPreviewCount];
    for (int k = 1; k <= kPreviewCount; ++k) {
        names[k - 1] = bitmapName(k);
    }
    return replaceFileSet(state.workingFolder, kSetName, names, bitmaps);
}
