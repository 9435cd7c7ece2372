// The help dialog's layout and texts: three steps to a theme of one's own.
#include "pixelkiln/dialog_ids.h"
#include "pixelkiln/main_dialog_template.h"

DialogTemplate helpDialogTemplate() {
    DialogTemplate dialog{
        PixelkilnId::HelpDialog, u"How To Use Pixelkiln", u"MS Sans Serif", 8, 232, 359, {}};
    auto add = [&dialog](ControlKind kind, std::u16string text, DialogRect rect) {
        dialog.controls.push_back({kNoControlId, kind, std::move(text), rect, {}});
    };
    constexpr int kTextWidth = 218;
    add(ControlKind::CentredLabel, u"Zorvagon Pixelkiln v1.0", {48, 7, 136, 8});
    add(ControlKind::Icon, u":/pixelkiln/pixelkiln.png", {21, 16, 21, 20});
    add(ControlKind::CentredLabel, u"Written by the Zorvagon developers", {47, 20, 138, 8});
    add(ControlKind::CentredLabel, u"www.zorvagon.example", {41, 34, 150, 8});
    add(ControlKind::Label,
        u"The Pixelkiln is a very simple program... you are only three steps away from creating "
        u"your own Zorv themes.",
        {7, 56, kTextWidth, 24});
    add(ControlKind::Label,
        u"1. Load your pictures.  For each of the seven game pieces, there is a preview pane and "
        u"a 'Choose' button.  Press this button and you can select any bitmap avaliable on your "
        u"computer to use as that playing",
        {7, 83, kTextWidth, 25});
    add(ControlKind::Label,
        u"piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 "
        u"pixels, and at least 16 bit color.",
        {7, 108, kTextWidth, 19});
    add(ControlKind::Label,
        u"If you want transparency in your sprites, any area of the bitmap that is pure white "
        u"(R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if "
        u"you want white in your theme use something like R:250, G:250, B:250.",
        {7, 127, kTextWidth, 41});
    add(ControlKind::Label,
        u"2. Name your theme.  In the edit box at the top of the program (where it says 'No "
        u"Name' when you first start) you need to enter the name for",
        {7, 168, kTextWidth, 17});
    add(ControlKind::Label,
        u"your theme.  It can be pretty much anything you want, just try to keep it under 30 or "
        u"so characters, or the whole name may not show up on your Pocket PC.",
        {7, 185, kTextWidth, 32});
    add(ControlKind::Label,
        u"3. Save it.  Press either 'Save' or 'Save As...' to compile and save your theme to your "
        u"hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new "
        u"theme in the 'My",
        {7, 217, kTextWidth, 24});
    add(ControlKind::Label,
        u"Documents' folder on your Pocket PC.  The first time you select the theme in the game, "
        u"it will be automatically installed in the proper place and removed from 'My "
        u"Documents'.",
        {7, 241, kTextWidth, 35});
    add(ControlKind::Label,
        u"*Note that even though the graphics you have chosen remain if you quit and restart the "
        u"program, you will need to re-load the bitmaps if you have made any changes to them.",
        {7, 276, kTextWidth, 45});
    add(ControlKind::CentredLabel,
        u"Still confused?  Have a question?  Get some help.\nhelp@zorvagon.example",
        {7, 321, kTextWidth, 30});
    return dialog;
}
