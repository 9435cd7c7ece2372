// The main dialog's layout: name box, file buttons, seven previews with their Choose buttons.
#include "pixelkiln/main_dialog_template.h"

#include "pixelkiln/dialog_ids.h"
#include "platform/text.h"
#include "platform/translation.h"

namespace {

// The top edge of preview k and of its Choose... button.
constexpr int kPreviewTops[7] = {50, 95, 138, 182, 226, 270, 315};

} // namespace

std::u16string previewClassName(int k) {
    return u"TPicture" + utf16FromUtf8(std::to_string(k));
}

DialogTemplate mainDialogTemplate() {
    DialogTemplate dialog{PixelkilnId::MainDialog,
                          translate("Pixelkiln", "Zorvagon Pixelkiln v1.0"),
                          u"MS Sans Serif",
                          8,
                          260,
                          359,
                          {}};
    auto add = [&dialog](int id, ControlKind kind, std::u16string text, DialogRect rect,
                         std::u16string className = {}) {
        dialog.controls.push_back({id, kind, std::move(text), rect, std::move(className)});
    };
    add(kNoControlId, ControlKind::Label, translate("Pixelkiln", "Theme Name:"), {7, 8, 48, 10});
    add(PixelkilnId::NameBox, ControlKind::Edit, u"", {7, 23, 184, 12});
    // Quit is the default button: Return typed after a name must not end the program.
    dialog.controls.back().keepsReturn = true;
    add(PixelkilnId::Open, ControlKind::Button, translate("Pixelkiln", "Open"), {203, 7, 50, 14});
    add(PixelkilnId::Save, ControlKind::Button, translate("Pixelkiln", "Save"), {203, 26, 50, 14});
    add(PixelkilnId::SaveAs, ControlKind::Button, translate("Pixelkiln", "Save As..."),
        {203, 44, 50, 14});
    const std::u16string choose = translate("Pixelkiln", "Choose...");
    for (int k = 1; k <= 7; ++k) {
        const int top = kPreviewTops[k - 1];
        add(previewId(k), ControlKind::Custom, u"Pic1", {7, top, 28, 28}, previewClassName(k));
        add(chooseButtonId(k), ControlKind::Button, choose, {47, top, 73, 16});
    }
    add(PixelkilnId::Help, ControlKind::Button, translate("Pixelkiln", "Help..."),
        {203, 316, 50, 14});
    add(PixelkilnId::Quit, ControlKind::DefaultButton, translate("Pixelkiln", "Quit"),
        {203, 338, 50, 14});
    return dialog;
}
