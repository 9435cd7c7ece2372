// Fuzzes loading a piece bitmap from bytes: nothing larger than the bound is ever decoded.
#include "platform/bitmap.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bitmap = Bitmap::fromBmpData({data, size});
    if (bitmap && (bitmap->width() > kMaxBitmapSide || bitmap->height() > kMaxBitmapSide ||
                   bitmap->image().format() != QImage::Format_RGB32)) {
        std::abort();
    }
    return 0;
}
