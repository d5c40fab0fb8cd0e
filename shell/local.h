// Shared inside the shell only.
#pragma once
#include <cstddef>
#include <cstdint>

// Copies at most 15 bytes of a name, leaving out control characters.
void copy_clean_name(char* dst, const char* src);

// The whole regular file as a new NUL-terminated buffer and its size; null when it cannot be read whole.
char* read_whole_file(const char* path, size_t* size);
// Copies the next piece of text from *at as fgets with piece_size bytes would read it; 0 at the end.
int32_t next_piece(const char* text, size_t size, size_t* at, char* piece, int32_t piece_size);
// Sets the headless test's script tables from the text of a script.
void parse_script(const char* text, size_t size);
// Sets high-score rows from the text of a high-score file, at most one per line.
void parse_high_scores(const char* text, size_t size);
// Sets settings_language from the text of a settings file (the last matching line wins).
void parse_settings(const char* text, size_t size);
