// The layouts of the compiler's two dialogs, the main dialog and the help dialog.
#pragma once

#include "platform/dialog_template.h"

#include <string>

// The window class of preview k (1 to 7): "TPicture1" to "TPicture7".
std::u16string previewClassName(int k);

DialogTemplate mainDialogTemplate();
DialogTemplate helpDialogTemplate();
