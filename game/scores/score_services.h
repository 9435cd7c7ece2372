// What the high-score table needs from the shell: message boxes and the program's end.
#pragma once

#include <string_view>

constexpr int kButtonOk = 1;

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    // Shows `text` under `caption` with one OK button, the game paused meanwhile; returns the
    // id of the button that closed it.
    virtual int showMessageBox(std::u16string_view text, std::u16string_view caption) = 0;
};

class ProgramEndService {
  public:
    virtual ~ProgramEndService() = default;
    // Ends the program at once with this exit code, running the exit handlers. A stand-in
    // that returns lets the caller give up its work instead.
    virtual void endProgram(int exitCode) = 0;
};

// The services in use; nullptr puts back the defaults (no box shown; std::exit).
void setMessageBoxService(MessageBoxService* service);
void setProgramEndService(ProgramEndService* service);

MessageBoxService& messageBoxService();
ProgramEndService& programEndService();
