// What the high-score table needs from the shell: message boxes and the program's end.
#include "game/scores/score_services.h"

#include <cstdlib>

namespace {

// Until the shell installs its own: boxes are not shown, as if OK were pressed at once.
class SilentMessageBoxes : public MessageBoxService {
  public:
    int showMessageBox(std::u16string_view, std::u16string_view) override { return kButtonOk; }
};

class ExitingProgramEnd : public ProgramEndService {
  public:
    void endProgram(int exitCode) override { std::exit(exitCode); }
};

SilentMessageBoxes silentMessageBoxes;
ExitingProgramEnd exitingProgramEnd;
MessageBoxService* currentMessageBoxes = &silentMessageBoxes;
ProgramEndService* currentProgramEnd = &exitingProgramEnd;

} // namespace

void setMessageBoxService(MessageBoxService* service) {
    currentMessageBoxes = service ? service : &silentMessageBoxes;
}

void setProgramEndService(ProgramEndService* service) {
    currentProgramEnd = service ? service : &exitingProgramEnd;
}

MessageBoxService& messageBoxService() {
    return *currentMessageBoxes;
}

ProgramEndService& programEndService() {
    return *currentProgramEnd;
}
