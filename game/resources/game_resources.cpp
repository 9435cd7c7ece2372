// Registers the embedded resources and forms their paths from resource ids.
#include "game/resources/game_resources.h"

#include <QtCore/qresource.h>

void initGameResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

QString bitmapResourcePath(int id) {
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

QString soundResourcePath(int id) {
    return QStringLiteral(":/sounds/%1.wav").arg(id);
}
