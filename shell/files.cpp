// Reading and writing the game's files: the whole-file reader, the safe
// write, the settings and high-score files, the own levels, and the end of
// high-score name entry.
#include "shell/shell.h"
#include "shell/local.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "sound/sound.h"
#include "text/text.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Every file the game reads goes through here. It is opened without waiting
// (a FIFO without a writer would otherwise block in open), and only a regular
// file is read: a FIFO, a device such as /dev/zero or a folder counts as a
// file that cannot be read. The read loop ends at the size fstat gave, so a
// file that grows meanwhile cannot keep it going. None of the game's files
// comes near READ_LIMIT_BYTES; a bigger one is refused before anything is
// read or allocated, instead of taking gigabytes of memory.
char* read_whole_file(const char* path, size_t* size)
{
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 || info.st_size > READ_LIMIT_BYTES) {
        close(fd);
        return nullptr;
    }
    size_t want = (size_t)info.st_size;
    char* text = (char*)malloc(want + 1);
    size_t have = 0;
    while (text && have < want) {
        ssize_t n = read(fd, text + have, want - have);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            free(text);
            text = nullptr;
            break;
        }
        have += (size_t)n;
    }
    close(fd);
    if (!text)
        return nullptr;
    text[want] = 0;
    if (size)
        *size = want;
    return text;
}

// Many editors begin a UTF-8 file with a byte-order mark; it is no part of
// the level text.
char* read_file(const char* path)
{
    size_t size = 0;
    char* text = read_whole_file(path, &size);
    static const char mark[] = "\xEF\xBB\xBF";
    const size_t mark_bytes = sizeof mark - 1;
    if (text && size >= mark_bytes && !memcmp(text, mark, mark_bytes))
        memmove(text, text + mark_bytes, size - mark_bytes + 1);
    return text;
}

// A piece as fgets with a buffer of piece_size bytes would give it: up to and
// including the next line feed, at most piece_size - 1 bytes.
int32_t next_piece(const char* text, size_t size, size_t* at, char* piece, int32_t piece_size)
{
    size_t start = *at;
    if (start >= size || piece_size < 2)
        return 0;
    size_t end = start;
    while (end < size && end - start < (size_t)piece_size - 1)
        if (text[end++] == '\n')
            break;
    memcpy(piece, text + start, end - start);
    piece[end - start] = 0;
    *at = end;
    return 1;
}

int32_t write_all(int fd, const void* data, size_t size)
{
    const char* bytes = (const char*)data;
    for (size_t done = 0; done < size;) {
        ssize_t n = write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        done += (size_t)n;
    }
    return 0;
}

// The outputs of the windowless modes are named by the user and may be
// anything. The name is opened without following a link (a link planted
// there would have its target overwritten) and without waiting (a FIFO would
// hold the run forever), and the file is emptied only once it is known to be
// a regular file, so a device or a FIFO there is never written to.
int open_output(const char* path)
{
    int fd = open(path, O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ftruncate(fd, 0) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// A cut output (a full disk) is worse than none: it would pass for a whole one.
int32_t close_output(int fd, const char* path, int32_t ok)
{
    ok = close(fd) == 0 && ok;
    if (!ok)
        unlink(path);
    return ok ? 0 : -1;
}

int32_t write_output(const char* path, const void* data, size_t size)
{
    int fd = open_output(path);
    if (fd < 0)
        return -1;
    return close_output(fd, path, write_all(fd, data, size) == 0);
}

int report_unwritable(const char* path)
{
    fprintf(stderr, "Kan ikke skrive %s\n", path);
    return 1;
}

// The picture is made in memory first, so that the file gets it in one
// checked write. A 32-bit BMP is its pixels and a header of a few dozen bytes.
int32_t write_picture(SDL_Surface* surface, const char* path)
{
    if (!surface)
        return -1;
    size_t room = (size_t)surface->pitch * (size_t)surface->h + BMP_HEADER_ROOM;
    char* bytes = (char*)malloc(room);
    SDL_RWops* memory = bytes ? SDL_RWFromMem(bytes, (int)room) : nullptr;
    int ok = memory && SDL_SaveBMP_RW(surface, memory, 0) == 0;
    Sint64 size = memory ? SDL_RWtell(memory) : -1;
    if (memory)
        SDL_RWclose(memory);
    ok = ok && size > 0 && (size_t)size <= room && write_output(path, bytes, (size_t)size) == 0;
    free(bytes);
    return ok ? 0 : -1;
}

// The new text goes to a temporary file of a name no one else uses, made
// here and now (never an existing file or a link planted in its place), and
// replaces the old file only once it is wholly on disk: a crash, a full disk
// or a failed write leaves the old file as it was, and two games saving at
// once each rename a whole file of their own.
int32_t write_file_safely(const char* path, const char* data, int32_t size)
{
    if (!path[0] || size < 0)
        return -1;
    static std::atomic<uint32_t> serial;
    char temp[DATA_PATH_BYTES + 48];
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; attempt++) {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        int n = snprintf(temp, sizeof temp, "%s.%ld-%u-%08lx.tmp", path, (long)getpid(), (unsigned)serial++,
                         (unsigned long)(now.tv_nsec ^ (now.tv_sec << 20)) & 0xFFFFFFFFul);
        if (n < 0 || n >= (int)sizeof temp)
            return -1;
        fd = open(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return -1;
    }
    if (fd < 0)
        return -1;
    int ok = write_all(fd, data, (size_t)size) == 0;
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temp, path) != 0) {
        unlink(temp);
        return -1;
    }
    return 0;
}

// The temporary names of write_file_safely for the file named base:
// "base.PID-SERIAL-STAMP.tmp"; the writer's process id, or 0 for another name.
long temporary_owner(const char* name, const char* base)
{
    size_t n = strlen(base);
    if (strncmp(name, base, n) != 0 || name[n] != '.')
        return 0;
    long pid = 0;
    int end = -1;
    sscanf(name + n + 1, "%ld-%*[0-9]-%*8[0-9a-f].tmp%n", &pid, &end);
    return end > 0 && name[n + 1 + end] == 0 && isdigit((unsigned char)name[n + 1]) ? pid : 0;
}

void save_settings()
{
    if (!shell.settings_path[0])
        return;
    char text[64];
    int n = snprintf(text, sizeof text, "sprog %s\n", language_code(get_language()));
    write_file_safely(shell.settings_path, text, n);
}

int32_t load_own_levels()
{
    if (!shell.own_levels_path[0])
        return 0;
    char* text = read_file(shell.own_levels_path);
    if (!text)
        return 0;
    char message[256];
    int count = parse_levels(text, message, sizeof message);
    free(text);
    if (count > 0)
        return 1;
    load_builtin_levels();
    return 0;
}

int32_t load_builtin_levels()
{
    char message[256];
    return parse_levels((const char*)builtin_level_text, message, sizeof message);
}

void leave_own_levels()
{
    if (!shell.own_levels_mode)
        return;
    load_builtin_levels();
    shell.own_levels_mode = 0;
}

void finish_name_entry()
{
    SDL_StopTextInput();
    int s = shell.high_score_slot;
    if (s >= 0 && s < HIGH_SCORE_ROWS) {
        for (int i = HIGH_SCORE_ROWS - 1; i > s; i--)
            shell.high_scores[i] = shell.high_scores[i - 1];
        copy_clean_name(shell.high_scores[s].name, shell.typed_name);
        if (!shell.high_scores[s].name[0])
            strcpy(shell.high_scores[s].name, DEFAULT_HIGH_SCORE_NAME);
        shell.high_scores[s].score = play.score;
        shell.high_scores[s].level = play.level + 1;
    }

    if (shell.records_path[0]) {
        char text[HIGH_SCORE_ROWS * 48];
        int n = 0;
        for (int i = 0; i < HIGH_SCORE_ROWS; i++)
            n += snprintf(text + n, sizeof text - n, "%d %d %s\n",
                          shell.high_scores[i].score, shell.high_scores[i].level, shell.high_scores[i].name);
        write_file_safely(shell.records_path, text, n);
    }

    // The title comes back on its high-score panel.
    return_to_title(TICKS_PER_PANEL);
}
