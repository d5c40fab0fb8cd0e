// Files that are not regular files: a FIFO without a writer or an endless
// device in place of any file the game reads never hangs it; each counts as a
// file that cannot be read, and so does a file far too big to be one of the
// game's own.
#include <gtest/gtest.h>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include "levels/levels.h"
#include "run.h"
#include "shell/local.h"
#include "shell/shell.h"

namespace {

const char* const first_tick = "tilstand 0, bane 1, point 0, liv 3\n";

void make_fifo(const std::string& path)
{
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0) << path;
}

TEST(OddFiles, NoModeWaitsOnAFifoOrAnEndlessDevice)
{
    struct Case {
        const char* what;
        const char* fifo;  // made in the run's folder, null: none
        std::vector<std::string> args;
        int code;
        const char* out;
        const char* err;
    } cases[] = {
        {"level file a fifo", "baner.fifo", {"--baner", "baner.fifo", "--test", "1"}, 1, "",
         "Kan ikke læse baner.fifo\n"},
        {"level file endless", nullptr, {"--baner", "/dev/zero", "--test", "1"}, 1, "", "Kan ikke læse /dev/zero\n"},
        {"script a fifo", "script.fifo", {"--test", "1", "--script", "script.fifo"}, 0, first_tick, ""},
        {"script endless", nullptr, {"--test", "1", "--script", "/dev/zero"}, 0, first_tick, ""},
        {"script a folder", nullptr, {"--test", "1", "--script", "."}, 0, first_tick, ""},
        {"high scores a fifo", ".local/share/frostova/rekorder.txt", {"--test", "1"}, 0, first_tick, ""},
        {"settings a fifo", ".local/share/frostova/indstillinger.txt", {"--test", "1"}, 0, first_tick, ""},
    };
    for (const Case& c : cases) {
        TempDir t;
        ASSERT_EQ(std::system(("mkdir -p '" + t.path + "/.local/share/frostova'").c_str()), 0);
        if (c.fifo)
            make_fifo(t.path + "/" + c.fifo);
        Outcome r = run_game_bounded(30, 0, t.path, c.args);
        EXPECT_EQ(r.code, c.code) << c.what;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err, c.err) << c.what;
    }
}

// In a child with an alarm, so that a reader that waits fails the test
// instead of stopping it.
int in_child(void (*body)(const std::string&), const std::string& folder)
{
    pid_t pid = fork();
    if (pid == 0) {
        alarm(20);
        body(folder);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

TEST(OddFiles, ReaderAndOwnLevelsRefuseAFifo)
{
    TempDir t;
    setenv("HOME", t.path.c_str(), 1);
    init_data_folder();
    make_fifo(shell.own_levels_path);
    int code = in_child(
        [](const std::string&) {
            if (read_file(shell.own_levels_path) != nullptr)
                _exit(1);
            char message[256];
            parse_levels("[bane 1]\nfelter\nT.............D\n..............K\n", message, sizeof message);
            if (load_own_levels() != 0 || level_count != 1)
                _exit(2);
        },
        t.path);
    EXPECT_EQ(code, 0);
    code = in_child(
        [](const std::string&) {
            if (read_file("/dev/zero") != nullptr || read_file("/dev/urandom") != nullptr)
                _exit(3);
        },
        t.path);
    EXPECT_EQ(code, 0);
}

// A file of size bytes that begins with text: the rest is a hole, as big as
// it says with nothing on the disk.
void make_sparse(const std::string& path, const std::string& text, long size)
{
    write_text(path, text);
    ASSERT_EQ(truncate(path.c_str(), size), 0) << path;
}

// Each file begins with text the game would take, were the file read.
TEST(OddFiles, HugeFilesCountAsUnreadable)
{
    const long huge = (long)READ_LIMIT_BYTES + 1;
    struct Case {
        const char* what;
        const char* file;
        std::string text;
        std::vector<std::string> args;
        int code;
        const char* out;
        const char* err;
    } cases[] = {
        {"level file", "huge.baner", walk_level, {"--baner", "huge.baner", "--test", "1"}, 1, "",
         "Kan ikke læse huge.baner\n"},
        {"script", "huge.txt", "0 0 s\n", {"--test", "3", "--script", "huge.txt"}, 0, first_tick, ""},
    };
    for (const Case& c : cases) {
        TempDir t;
        make_sparse(t.path + "/" + c.file, c.text, huge);
        Outcome r = run_game_bounded(30, 0, t.path, c.args);
        EXPECT_EQ(r.code, c.code) << c.what;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err, c.err) << c.what;
        EXPECT_FALSE(file_exists(t.path + "/f00000.bmp")) << c.what;
    }

    // In the data folder: the default high scores stay, no language is read
    // and no own levels are found; a file of exactly the limit is still read.
    TempDir t;
    setenv("HOME", t.path.c_str(), 1);
    init_data_folder();
    make_sparse(shell.records_path, "1 1 Stor\n", huge);
    make_sparse(shell.settings_path, "sprog de\n", huge);
    make_sparse(shell.own_levels_path, walk_level, huge);
    init_data_folder();
    EXPECT_STREQ(shell.high_scores[0].name, DEFAULT_HIGH_SCORE_NAME);
    EXPECT_EQ(load_settings_language(), nullptr);
    EXPECT_EQ(load_own_levels(), 0);
    make_sparse(shell.own_levels_path, walk_level, READ_LIMIT_BYTES);
    EXPECT_EQ(load_own_levels(), 1);
    load_builtin_levels();
}

}  // namespace
