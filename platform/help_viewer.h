// The help page: in the desktop's browser, or where none starts, in a help window of our own.
#pragma once

#include <QString>

class QWidget;

// Asks the desktop to open the page (xdg-open); when that cannot start or reports failure, the
// page shows in the program's own help window instead, so a request for help is never lost.
void openHelpPage(const QString& path);

// The program's own help window, made on first use and brought to the front after; null until
// then. Exposed so that tests can see what it shows.
QWidget* helpWindow();
