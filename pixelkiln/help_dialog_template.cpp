// The help dialog's layout and texts: three steps to a theme of one's own.
#include "pixelkiln/dialog_ids.h"
#include "pixelkiln/main_dialog_template.h"
#include "platform/translation.h"

DialogTemplate helpDialogTemplate() {
    DialogTemplate dialog{PixelkilnId::HelpDialog, {}, u"MS Sans Serif", 8, 232, 359, {}};
    dialog.caption = translate("PixelkilnHelp", "How To Use Pixelkiln");
    auto add = [&dialog](ControlKind kind, std::u16string text, DialogRect rect) {
        dialog.controls.push_back({kNoControlId, kind, std::move(text), rect, {}});
    };
    constexpr int kTextWidth = 218;
    const auto centred = ControlKind::CentredLabel;
    const auto label = ControlKind::Label;
    add(centred, translate("PixelkilnHelp", "Zorvagon Pixelkiln v1.0"), {48, 7, 136, 8});
    add(ControlKind::Icon, u":/pixelkiln/pixelkiln.png", {21, 16, 21, 20});
    add(centred, translate("PixelkilnHelp", "Written by the Zorvagon developers"),
        {47, 20, 138, 8});
    add(centred, u"www.zorvagon.example", {41, 34, 150, 8});
    add(label,
        translate("PixelkilnHelp", "The Pixelkiln is a very simple program... you are only three "
                                   "steps away from creating your own Zorv themes."),
        {7, 56, kTextWidth, 24});
    add(label,
        translate("PixelkilnHelp",
                  "1. Load your pictures.  For each of the seven game pieces, there is a preview "
                  "pane and a 'Choose' button.  Press this button and you can select any bitmap "
                  "avaliable on your computer to use as that playing"),
        {7, 83, kTextWidth, 25});
    add(label,
        translate("PixelkilnHelp", "piece.  Note that for them to work correctly in the game, "
                                   "bitmaps should be 28 x 28 pixels, and at least 16 bit color."),
        {7, 108, kTextWidth, 19});
    add(label,
        translate("PixelkilnHelp",
                  "If you want transparency in your sprites, any area of the bitmap that is pure "
                  "white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the "
                  "game.  So if you want white in your theme use something like R:250, G:250, "
                  "B:250."),
        {7, 127, kTextWidth, 41});
    add(label,
        translate("PixelkilnHelp", "2. Name your theme.  In the edit box at the top of the "
                                   "program (where it says 'No Name' when you first start) you "
                                   "need to enter the name for"),
        {7, 168, kTextWidth, 17});
    add(label,
        translate("PixelkilnHelp", "your theme.  It can be pretty much anything you want, just "
                                   "try to keep it under 30 or so characters, or the whole name "
                                   "may not show up on your Pocket PC."),
        {7, 185, kTextWidth, 32});
    add(label,
        translate("PixelkilnHelp",
                  "3. Save it.  Press either 'Save' or 'Save As...' to compile and save your theme "
                  "to your hard disk.  Then use ActiveSync, or whatever other method you choose, "
                  "to put your new theme in the 'My"),
        {7, 217, kTextWidth, 24});
    add(label,
        translate("PixelkilnHelp",
                  "Documents' folder on your Pocket PC.  The first time you select the theme in "
                  "the game, it will be automatically installed in the proper place and removed "
                  "from 'My Documents'."),
        {7, 241, kTextWidth, 35});
    add(label,
        translate("PixelkilnHelp",
                  "*Note that even though the graphics you have chosen remain if you quit and "
                  "restart the program, you will need to re-load the bitmaps if you have made any "
                  "changes to them."),
        {7, 276, kTextWidth, 45});
    add(centred,
        translate("PixelkilnHelp", "Still confused?  Have a question?  Get some help.\n"
                                   "help@zorvagon.example"),
        {7, 321, kTextWidth, 30});
    return dialog;
}
