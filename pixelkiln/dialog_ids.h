// The control ids of the compiler's main dialog.
#pragma once

namespace PixelkilnId {
constexpr int MainDialog = 101;
constexpr int IconGroup = 102;
constexpr int HelpDialog = 103;
constexpr int NameBox = 1001;
constexpr int Quit = 1002;
constexpr int Open = 1018;
constexpr int Save = 1020;
constexpr int SaveAs = 1021;
constexpr int Help = 1022;
} // namespace PixelkilnId

// Preview k (1 to 7) shows working bitmap k; its Choose... button sits beside it.
constexpr int previewId(int k) {
    return 1002 + 2 * k;
}
constexpr int chooseButtonId(int k) {
    return 1003 + 2 * k;
}
