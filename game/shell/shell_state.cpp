// The shell's one record for the whole run.
#include "game/shell/shell_state.h"

ShellState shell;
