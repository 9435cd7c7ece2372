// The program's icon on every window it opens: the main window, dialogs, boxes and help.
#pragma once

#include <QString>

// Sets the application's window icon from the images at pathPattern with %1 replaced by each
// standard icon size (16 to 256 pixels); sizes without an image are left out. Windows that set
// no icon of their own carry this one instead of the toolkit's.
void setProgramIcon(const QString& pathPattern);
