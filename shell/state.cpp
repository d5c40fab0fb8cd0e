// The shell's state, shared by the modes, the main loop, the title screen
// and the end of name entry.
#include "shell/shell.h"

ShellState shell;
