// Loading the program's embedded bitmaps, and the end of the program when one is missing.
#include "game/themes/own_bitmaps.h"

#include "game/resources/game_resources.h"
#include "platform/fatal_error.h"
#include "platform/translation.h"

#include <string>

std::optional<Bitmap> loadOwnBitmap(int resourceId) {
    initGameResources();
    return Bitmap::loadResource(bitmapResourcePath(resourceId).toStdU16String());
}

void ownBitmapMissing(int resourceId) {
    const std::u16string id = QString::number(resourceId).toStdU16String();
    fatalError(fillIn(translate("Errors", "The game's own bitmap %1 could not be loaded. Please "
                                          "reinstall the game."),
                      {id}));
}
