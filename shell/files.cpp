// Writing the settings and high-score files, the own levels, and the end of
// high-score name entry.
#include "shell/shell.h"
#include "shell/local.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "sound/sound.h"
#include "text/text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// The old file is replaced only once the new one is wholly on disk, so a
// crash, a full disk or a failed write leaves it as it was.
int32_t write_file_safely(const char* path, const char* data, int32_t size)
{
    char temp[DATA_PATH_BYTES + 8];
    int n = snprintf(temp, sizeof temp, "%s.tmp", path);
    if (!path[0] || n < 0 || n >= (int)sizeof temp)
        return -1;
    FILE* f = fopen(temp, "w");
    if (!f)
        return -1;
    int ok = fwrite(data, 1, size, f) == (size_t)size;
    ok = fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (!ok || rename(temp, path) != 0) {
        remove(temp);
        return -1;
    }
    return 0;
}

void save_settings()
{
    if (!settings_path[0])
        return;
    char text[64];
    int n = snprintf(text, sizeof text, "sprog %s\n", language_code(get_language()));
    write_file_safely(settings_path, text, n);
}

int32_t load_own_levels()
{
    if (!own_levels_path[0])
        return 0;
    char* text = read_file(own_levels_path);
    if (!text)
        return 0;
    char message[256];
    int count = parse_levels(text, message, sizeof message);
    free(text);
    if (count > 0)
        return 1;
    parse_levels((const char*)builtin_level_text, message, sizeof message);
    return 0;
}

void finish_name_entry()
{
    SDL_StopTextInput();
    int s = high_score_slot;
    if (s >= 0 && s < HIGH_SCORE_ROWS) {
        for (int i = HIGH_SCORE_ROWS - 1; i > s; i--)
            high_scores[i] = high_scores[i - 1];
        copy_clean_name(high_scores[s].name, typed_name);
        if (!high_scores[s].name[0])
            strcpy(high_scores[s].name, "OLPI");
        high_scores[s].score = play.score;
        high_scores[s].level = play.level + 1;
    }

    if (records_path[0]) {
        char text[HIGH_SCORE_ROWS * 48];
        int n = 0;
        for (int i = 0; i < HIGH_SCORE_ROWS; i++)
            n += snprintf(text + n, sizeof text - n, "%d %d %s\n",
                          high_scores[i].score, high_scores[i].level, high_scores[i].name);
        write_file_safely(records_path, text, n);
    }

    app_mode = 0;
    frame_counter = 420;
    if (music_on)
        play_music(SONG_TITLE);
}
