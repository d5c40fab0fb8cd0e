// Shared inside the shell only.
#pragma once

// Copies at most 15 bytes of a name, leaving out control characters.
void copy_clean_name(char* dst, const char* src);
