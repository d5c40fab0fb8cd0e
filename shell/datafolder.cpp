// The data folder under HOME: its three paths, the high-score table read at
// start-up, the settings file's language code, and the removal of temporary
// files that a killed save left behind.
#include "shell/shell.h"
#include "shell/local.h"
#include "draw/utf8.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

// Control characters are left out so that a name can never break a line of
// the high-score file, and so are bytes of no whole UTF-8 character; the cut
// at 15 bytes falls between characters, so a name is always whole UTF-8.
void copy_clean_name(char* dst, const char* src)
{
    uint32_t n = 0;
    for (const unsigned char* p = (const unsigned char*)src; *p;) {
        Utf8Char u = utf8_read(p);
        if (u.length == 0) {
            p++;
            continue;
        }
        if (u.well_formed && u.code >= 0x20 && u.code != 0x7F) {
            if (n + u.length > NAME_BYTES - 1)
                break;
            memcpy(dst + n, p, u.length);
            n += u.length;
        }
        p += u.length;
    }
    dst[n] = 0;
}

static void set_default_scores()
{
    for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
        strcpy(shell.high_scores[i].name, DEFAULT_HIGH_SCORE_NAME);
        shell.high_scores[i].score = 20000 - 2000 * i;
        shell.high_scores[i].level = 1;
    }
}

// Formats into a buffer; 1 when the whole text fitted, else the buffer is
// left empty so that a cut path is never used.
static int format_path(char* dst, int size, const char* format, const char* base)
{
    int n = snprintf(dst, size, format, base);
    if (n < 0 || n >= size) {
        dst[0] = 0;
        return 0;
    }
    return 1;
}

void parse_high_scores(const char* text, size_t size)
{
    char line[128];
    size_t at = 0;
    for (int i = 0; i < HIGH_SCORE_ROWS && next_piece(text, size, &at, line, sizeof line); i++) {
        // The name is everything after the one blank that follows the level,
        // so that leading spaces, and a name of spaces only, come back as
        // they were written.
        int score, level, end = 0;
        if (sscanf(line, "%d %d%n", &score, &level, &end) != 2 || (line[end] != ' ' && line[end] != '\t'))
            continue;
        char name[NAME_BYTES];
        copy_clean_name(name, line + end + 1);
        if (!name[0])
            continue;
        shell.high_scores[i].score = score;
        shell.high_scores[i].level = level;
        strcpy(shell.high_scores[i].name, name);
    }
}

// A temporary file of a save is left behind when the game is killed while
// saving. One whose writer is gone, or that is older than any save could take,
// is removed; a save still running in another game keeps its file.
enum { STALE_TEMPORARY_SECONDS = 600 };

static void remove_stale_temporaries(const char* folder)
{
    DIR* d = opendir(folder);
    if (!d)
        return;
    const char* bases[] = {strrchr(shell.records_path, '/'), strrchr(shell.settings_path, '/')};
    while (dirent* e = readdir(d)) {
        long owner = 0;
        for (const char* base : bases)
            if (base && !owner)
                owner = temporary_owner(e->d_name, base + 1);
        char path[DATA_PATH_BYTES + 256];
        int n = snprintf(path, sizeof path, "%s/%s", folder, e->d_name);
        struct stat info;
        if (owner <= 0 || n < 0 || n >= (int)sizeof path || lstat(path, &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        int writer_gone = owner > INT32_MAX || (kill((pid_t)owner, 0) != 0 && errno == ESRCH);
        if (writer_gone || time(nullptr) - info.st_mtime > STALE_TEMPORARY_SECONDS)
            unlink(path);
    }
    closedir(d);
}

void init_data_folder()
{
    set_default_scores();
    shell.records_path[0] = shell.own_levels_path[0] = shell.settings_path[0] = 0;

    // An empty HOME would put the data folder at the root: treat it as unset.
    const char* home = getenv("HOME");
    if (!home || !home[0])
        return;

    char folder[900];
    char parent[960];
    if (!format_path(folder, sizeof folder, "%s/.local/share/frostova", home))
        return;
    if (format_path(parent, sizeof parent, "%s/.local", home))
        mkdir(parent, 0755);
    if (format_path(parent, sizeof parent, "%s/.local/share", home))
        mkdir(parent, 0755);
    mkdir(folder, 0755);

    format_path(shell.records_path, DATA_PATH_BYTES, "%s/rekorder.txt", folder);
    format_path(shell.own_levels_path, DATA_PATH_BYTES, "%s/mine-baner.baner", folder);
    format_path(shell.settings_path, DATA_PATH_BYTES, "%s/indstillinger.txt", folder);
    remove_stale_temporaries(folder);

    if (!shell.records_path[0])
        return;
    size_t size = 0;
    char* text = read_whole_file(shell.records_path, &size);
    if (text) {
        parse_high_scores(text, size);
        free(text);
    }
}

void parse_settings(const char* text, size_t size)
{
    shell.settings_language[0] = 0;
    char line[64];
    char code[16];
    size_t at = 0;
    while (next_piece(text, size, &at, line, sizeof line))
        if (sscanf(line, "sprog %15s", code) == 1)
            strcpy(shell.settings_language, code);
}

const char* load_settings_language()
{
    shell.settings_language[0] = 0;
    if (!shell.settings_path[0])
        return nullptr;
    size_t size = 0;
    char* text = read_whole_file(shell.settings_path, &size);
    if (!text)
        return nullptr;
    parse_settings(text, size);
    free(text);
    return shell.settings_language[0] ? shell.settings_language : nullptr;
}
