// The theme compiler's entry point: the main dialog on the real desktop.
#include "pixelkiln/main_dialog.h"
#include "platform/dialog_qt.h"
#include "platform/languages.h"
#include "platform/program_icon.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(pixelkiln);
    setProgramIcon(QString::fromLatin1(pixelkilnIconSizesPath));
    installTranslations(QStringLiteral("pixelkiln"));
    QtDialogHost host;
    PixelkilnState state;
    return runPixelkiln(host, state);
}
