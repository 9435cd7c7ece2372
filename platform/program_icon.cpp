// The application's window icon, gathered from one image per size.
#include "platform/program_icon.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

void setProgramIcon(const QString& pathPattern) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = pathPattern.arg(size);
        if (QFile::exists(path)) {
            icon.addFile(path, QSize(size, size));
        }
    }
    QApplication::setWindowIcon(icon);
}
