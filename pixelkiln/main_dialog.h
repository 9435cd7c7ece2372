// The compiler's main dialog: name box, previews, file commands, help and quitting.
#pragma once

#include "pixelkiln/pixelkiln_state.h"
#include "platform/dialog_host.h"

class MainDialog : public DialogProcedure {
  public:
    MainDialog(PixelkilnState& state, DialogHost& host) : state_(state), host_(host) {}

    void initDialog(DialogHandle& dialog) override;
    bool command(DialogHandle& dialog, int id) override;

  private:
    void quit(DialogHandle& dialog);

    PixelkilnState& state_;
    DialogHost& host_;
};

// "Zorvagon Pixelkiln v1.0 - " followed by the current theme file.
void updateTitle(DialogHandle& dialog, const PixelkilnState& state);
// Has all seven previews painted again.
void invalidatePreviews(DialogHandle& dialog);

// The program's icon at each hicolor size, with %1 for the size.
inline constexpr char pixelkilnIconSizesPath[] = ":/pixelkiln/icons/pixelkiln-%1.png";

// The whole program: registers the previews and runs the main dialog until it ends; gives 0.
int runPixelkiln(DialogHost& host, PixelkilnState& state);
