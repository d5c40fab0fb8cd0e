// The shell's application globals, shared by the main loop, the title screen
// and the end of name entry.
#include "shell/shell.h"

uint32_t app_mode;
int32_t frame_counter;
uint32_t music_on = 1;
int32_t high_score_slot = -1;
char typed_name[NAME_BYTES];
uint32_t paused;
uint8_t own_levels_mode;
uint32_t start_button_prev;
