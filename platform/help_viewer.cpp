// The help page in the desktop's browser, with the program's own help window as the fall-back.
#include "platform/help_viewer.h"

#include "platform/qt_text.h"
#include "platform/translation.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

namespace {

QPointer<QTextBrowser> ownWindow;

void showInOwnWindow(const QString& path) {
    if (!ownWindow) {
        ownWindow = new QTextBrowser;
        ownWindow->setAttribute(Qt::WA_DeleteOnClose);
        ownWindow->setWindowTitle(qText(translate("Help", "Zorvagon Help")));
        ownWindow->setOpenExternalLinks(true);
        ownWindow->resize(560, 640);
    }
    if (QFile::exists(path)) {
        ownWindow->setSource(QUrl::fromLocalFile(path));
    } else {
        //: A window of its own: the line break may move.
        ownWindow->setPlainText(qText(
            fillIn(translate("Help", "The help page could not be found:\n%1"), {plainText(path)})));
    }
    ownWindow->show();
    ownWindow->raise();
    ownWindow->activateWindow();
}

} // namespace

void openHelpPage(const QString& path) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        showInOwnWindow(path);
        return;
    }
    // Watched, not detached: its exit status says whether a browser took the page.
    auto* process = new QProcess(qApp);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, path](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             showInOwnWindow(path);
                             process->deleteLater();
                         }
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, path](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             showInOwnWindow(path);
                         }
                         process->deleteLater();
                     });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(opener, {path});
}

QWidget* helpWindow() {
    return ownWindow;
}
