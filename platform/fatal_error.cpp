// Fatal errors: one message box on top of everything, then the end of the process.
#include "platform/fatal_error.h"

#include "platform/modal_loops.h"
#include "platform/qt_text.h"
#include "platform/translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <cstdlib>

namespace {

class MessageBoxDisplay final : public FatalErrorDisplay {
  public:
    void show(std::u16string_view text) override {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return;
        const ModalLoopScope modal;
        QMessageBox box(QMessageBox::NoIcon, qText(translate("Errors", "Error")),
                        QString::fromUtf16(text.data(), qsizetype(text.size())), QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    }
};

FatalErrorDisplay* installedDisplay = nullptr;
bool ending = false;

} // namespace

void setFatalErrorDisplay(FatalErrorDisplay* display) {
    installedDisplay = display;
}

void fatalError(std::u16string_view text) {
    if (!ending) {
        ending = true;
        MessageBoxDisplay messageBox;
        (installedDisplay ? *installedDisplay : static_cast<FatalErrorDisplay&>(messageBox))
            .show(text);
    }
    std::exit(0);
}
