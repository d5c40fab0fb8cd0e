// The title screen.
#include "shell/shell.h"

void draw_title() {}
