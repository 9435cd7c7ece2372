// The game's entry point: the application object, then the game's own start-up and run.
#include "game/shell/start_up.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return runGame();
}
