// The game's entry point: the application object and its language, then the game's start-up.
#include "game/shell/start_up.h"
#include "platform/languages.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    installTranslations(QStringLiteral("zorvagon"));
    return runGame();
}
