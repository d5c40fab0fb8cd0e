// The data folder's files read and written in-process: the high-score
// reader with its bad lines, the settings line, the own levels with their
// fallback, the end of name entry and the write through a temporary file.
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include "levels/levels.h"
#include "rules/rules.h"
#include "run.h"
#include "shell/shell.h"
#include "text/text.h"

namespace {

struct Row {
    std::string name;
    int score;
    int level;
};

bool operator==(const Row& a, const Row& b)
{
    return a.name == b.name && a.score == b.score && a.level == b.level;
}

std::ostream& operator<<(std::ostream& out, const Row& r)
{
    return out << "{" << r.name << " " << r.score << " " << r.level << "}";
}

std::vector<Row> table_rows()
{
    std::vector<Row> rows;
    for (const HighScore& h : shell.high_scores)
        rows.push_back({h.name, h.score, h.level});
    return rows;
}

Row default_row(int i)
{
    return {DEFAULT_HIGH_SCORE_NAME, 20000 - 2000 * i, 1};
}

// A temporary HOME whose data folder exists.
struct Home {
    TempDir dir;
    std::string data;
    Home()
    {
        umask(022);
        setenv("HOME", dir.path.c_str(), 1);
        data = dir.path + "/.local/share/frostova";
        init_data_folder();
    }
};

TEST(HighScoreFile, BadLinesKeepTheirDefaultRows)
{
    struct Case {
        const char* what;
        std::string text;
        std::vector<Row> first_rows;  // the rows after these keep their defaults
    } cases[] = {
        {"mixed good and bad lines",
         "30000 4 Anna\n"
         "25000 3 Bo Ib Lund\n"
         "ingen tal her\n"
         "12000 2\n"
         "11000 2 \n"
         "9000 1 " + std::string(20, 'x') + "\n"
         "-5 -7 Negativ\n"
         "8000 1 Tab\there\n"
         "7000 1 Ole\r\n"
         "6000 1 Kim\n"
         "99999 9 Elleve\n",
         {{"Anna", 30000, 4}, {"Bo Ib Lund", 25000, 3}, default_row(2), default_row(3), default_row(4),
          {std::string(15, 'x'), 9000, 1}, {"Negativ", -5, -7}, {"Tabhere", 8000, 1}, {"Ole", 7000, 1},
          {"Kim", 6000, 1}}},
        {"fewer lines than rows", "100 2 Per\n", {{"Per", 100, 2}}},
        {"the 15-byte cut falls between characters",
         "100 2 ÆØÅæøåÆØÅ\n200 3 abcdefghijklm€\n300 4 x\xC3\n400 5 \xC3\xA5\x80y\n",
         {{"ÆØÅæøåÆ", 100, 2}, {"abcdefghijklm", 200, 3}, {"x", 300, 4}, {"åy", 400, 5}}},
        {"a long line takes a row per piece", "5 5 " + std::string(130, 'y') + "\n1 1 Eva\n",
         {{std::string(15, 'y'), 5, 5}, default_row(1), {"Eva", 1, 1}}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        TempDir home;
        umask(022);
        setenv("HOME", home.path.c_str(), 1);
        init_data_folder();
        write_text(home.path + "/.local/share/frostova/rekorder.txt", c.text);
        init_data_folder();
        std::vector<Row> want = c.first_rows;
        for (int i = (int)want.size(); i < HIGH_SCORE_ROWS; i++)
            want.push_back(default_row(i));
        EXPECT_EQ(table_rows(), want) << c.what;
    }
}

TEST(DataFolder, IsMadeWithItsParentsAndPathsUnderIt)
{
    Home h;
    for (const char* folder : {"/.local", "/.local/share", "/.local/share/frostova"}) {
        struct stat st;
        ASSERT_EQ(stat((h.dir.path + folder).c_str(), &st), 0) << folder;
        EXPECT_EQ(st.st_mode & 0777, 0755u) << folder;
    }
    EXPECT_EQ(std::string(shell.records_path), h.data + "/rekorder.txt");
    EXPECT_EQ(std::string(shell.own_levels_path), h.data + "/mine-baner.baner");
    EXPECT_EQ(std::string(shell.settings_path), h.data + "/indstillinger.txt");
}

// A data folder's path that does not fit its 900 bytes is not cut and used:
// there is then no data folder at all.
TEST(DataFolder, HomeTooLongOrMissingLeavesThePathsEmpty)
{
    const std::string suffix = "/.local/share/frostova";
    struct Case {
        const char* what;
        std::string home;
        bool unset;
        bool paths;
    } cases[] = {
        {"folder of 899 bytes", "/nonexistent" + std::string(899 - 12 - suffix.size(), 'h'), false, true},
        {"folder of 900 bytes", "/nonexistent" + std::string(900 - 12 - suffix.size(), 'h'), false, false},
        {"HOME empty", "", false, false},
        {"HOME unset", "", true, false},
    };
    for (const Case& c : cases) {
        if (c.unset)
            unsetenv("HOME");
        else
            setenv("HOME", c.home.c_str(), 1);
        strcpy(shell.high_scores[0].name, "Gammel");
        init_data_folder();
        EXPECT_EQ(shell.records_path[0] != 0, c.paths) << c.what;
        EXPECT_EQ(shell.own_levels_path[0] != 0, c.paths) << c.what;
        EXPECT_EQ(shell.settings_path[0] != 0, c.paths) << c.what;
        EXPECT_EQ(table_rows()[0], default_row(0)) << c.what;
        EXPECT_EQ(load_settings_language(), nullptr) << c.what;
        EXPECT_EQ(load_own_levels(), 0) << c.what;
    }
}

TEST(SettingsFile, LastMatchingLineGivesTheCode)
{
    struct Case {
        const char* what;
        const char* text;  // null: no file
        const char* code;  // null: none
    } cases[] = {
        {"two lines, the last wins", "sprog de\nsprog fr\n", "fr"},
        {"other lines ignored", "lyd 1\nsprog sv\nmere\n", "sv"},
        {"blanks before the word", "  sprog de\n", nullptr},
        {"word without a code", "sprog\n", nullptr},
        {"code cut to 15 bytes", "sprog abcdefghijklmnopqrst\n", "abcdefghijklmno"},
        {"empty file", "", nullptr},
        {"no file", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        Home h;
        if (c.text)
            write_text(h.data + "/indstillinger.txt", c.text);
        const char* code = load_settings_language();
        EXPECT_EQ(code ? std::string(code) : std::string("(none)"), c.code ? c.code : "(none)") << c.what;
    }
}

TEST(SettingsFile, SaveWritesTheCurrentLanguageAndReadsBack)
{
    Home h;
    write_text(h.data + "/indstillinger.txt", "sprog de\nsprog fr\n");
    set_language(3);
    save_settings();
    EXPECT_EQ(read_text(h.data + "/indstillinger.txt"), std::string("sprog ") + language_code(3) + "\n");
    EXPECT_STREQ(load_settings_language(), language_code(3));
    set_language(LANGUAGE_ENGLISH);
}

// Files in a folder other than the ones named.
std::vector<std::string> strays(const std::string& folder, const std::vector<std::string>& known)
{
    std::vector<std::string> found;
    DIR* d = opendir(folder.c_str());
    while (dirent* e = d ? readdir(d) : nullptr) {
        std::string name = e->d_name;
        if (name != "." && name != ".." && std::find(known.begin(), known.end(), name) == known.end())
            found.push_back(name);
    }
    if (d)
        closedir(d);
    return found;
}

// Runs body in a child process whose files may grow to at most limit bytes;
// the child's exit code.
int with_file_size_limit(rlim_t limit, const std::function<int()>& body)
{
    pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit r = {limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeWrite, ReplacesTheFileOnlyWhenTheNewOneIsWhole)
{
    TempDir t;
    const std::string path = t.path + "/rekorder.txt";
    write_text(path, "old\n");
    EXPECT_EQ(write_file_safely(path.c_str(), "new\n", 4), 0);
    EXPECT_EQ(read_text(path), "new\n");
    EXPECT_EQ(strays(t.path, {"rekorder.txt"}), std::vector<std::string>{});

    // The disk takes no more bytes: the write fails, the old file stays as it
    // was and no temporary file is left.
    const std::string big(4096, 'b');
    EXPECT_EQ(with_file_size_limit(100, [&] { return write_file_safely(path.c_str(), big.data(), 4096) == -1; }), 1);
    EXPECT_EQ(read_text(path), "new\n");
    EXPECT_EQ(strays(t.path, {"rekorder.txt"}), std::vector<std::string>{});

    // The target is a folder: the rename fails and no temporary file stays.
    mkdir((t.path + "/folder").c_str(), 0755);
    write_text(t.path + "/folder/inside", "x");
    EXPECT_EQ(write_file_safely((t.path + "/folder").c_str(), "x", 1), -1);
    EXPECT_EQ(strays(t.path, {"rekorder.txt", "folder"}), std::vector<std::string>{});

    EXPECT_EQ(write_file_safely("", "x", 1), -1);
    EXPECT_EQ(write_file_safely((t.path + "/missing/file").c_str(), "x", 1), -1);
}

// Temporary files of the game's own naming that a killed save left behind go
// at the next start: those whose writer is gone, and those too old to be a
// save still running. Every other file stays.
TEST(SafeWrite, StaleTemporaryFilesAreRemovedAtStart)
{
    Home h;
    const std::string alive = std::to_string(getpid());
    struct Case {
        std::string name;
        bool old;      // last changed an hour ago
        bool removed;
    } cases[] = {
        {"rekorder.txt.999999999-0-0123abcd.tmp", false, true},
        {"indstillinger.txt.999999999-7-deadbeef.tmp", false, true},
        {"rekorder.txt." + alive + "-0-0123abcd.tmp", false, false},
        {"rekorder.txt." + alive + "-1-0123abcd.tmp", true, true},
        {"rekorder.txt", true, false},
        {"rekorder.txt.tmp", true, false},
        {"rekorder.txt.999999999-0-0123abcd.tmp.gem", true, false},
        {"rekorder.txt.999999999-0-0123ABCD.tmp", true, false},
        {"rekorder.txt.-5-0-0123abcd.tmp", true, false},
        {"mine-baner.baner.999999999-0-0123abcd.tmp", true, false},
        {"andet.txt.999999999-0-0123abcd.tmp", true, false},
    };
    for (const Case& c : cases) {
        const std::string path = h.data + "/" + c.name;
        write_text(path, "x\n");
        if (c.old) {
            timeval hour_ago[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
            ASSERT_EQ(utimes(path.c_str(), hour_ago), 0);
        }
    }
    // Only regular files are removed: not a folder, nor a link, of that name.
    mkdir((h.data + "/rekorder.txt.999999998-0-0123abcd.tmp").c_str(), 0755);
    ASSERT_EQ(symlink("rekorder.txt", (h.data + "/rekorder.txt.999999997-0-0123abcd.tmp").c_str()), 0);

    init_data_folder();
    for (const Case& c : cases)
        EXPECT_EQ(file_exists(h.data + "/" + c.name), !c.removed) << c.name;
    EXPECT_TRUE(file_exists(h.data + "/rekorder.txt.999999998-0-0123abcd.tmp"));
    struct stat st;
    EXPECT_EQ(lstat((h.data + "/rekorder.txt.999999997-0-0123abcd.tmp").c_str(), &st), 0);
}

// A link planted where a fixed temporary name would be is never followed.
TEST(SafeWrite, PlantedLinkIsNotFollowed)
{
    TempDir t;
    const std::string path = t.path + "/rekorder.txt";
    write_text(t.path + "/victim", "keep\n");
    for (const char* name : {"/rekorder.txt.tmp", "/rekorder.txt.new", "/rekorder.txt~"})
        ASSERT_EQ(symlink((t.path + "/victim").c_str(), (t.path + name).c_str()), 0);
    EXPECT_EQ(write_file_safely(path.c_str(), "new\n", 4), 0);
    EXPECT_EQ(read_text(path), "new\n");
    EXPECT_EQ(read_text(t.path + "/victim"), "keep\n");
    struct stat st;
    ASSERT_EQ(lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
}

// Two games saving at once: every save succeeds, a reader never sees a mixed
// or cut file, and one whole file is left.
TEST(SafeWrite, TwoSavesAtOnceLeaveOneWholeFile)
{
    TempDir t;
    const std::string path = t.path + "/rekorder.txt";
    const std::string texts[2] = {std::string(20000, 'a') + "\n", std::string(30000, 'b') + "\n"};
    write_text(path, texts[0]);
    std::atomic<int> failures{0}, torn{0}, writers{2};
    auto save = [&](const std::string& text) {
        for (int i = 0; i < 300; i++)
            if (write_file_safely(path.c_str(), text.data(), (int32_t)text.size()) != 0)
                failures++;
        writers--;
    };
    std::thread a(save, texts[0]), b(save, texts[1]);
    while (writers > 0) {
        std::string seen = read_text(path);
        if (seen != texts[0] && seen != texts[1])
            torn++;
    }
    a.join();
    b.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(torn, 0);
    const std::string last = read_text(path);
    EXPECT_TRUE(last == texts[0] || last == texts[1]);
    EXPECT_EQ(strays(t.path, {"rekorder.txt"}), std::vector<std::string>{});
}

TEST(NameEntry, InsertsTheRowAndWritesTheFile)
{
    struct Case {
        const char* what;
        int slot;
        const char* typed;
        int score;
        int level_index;
        std::vector<Row> rows;
    } cases[] = {
        {"slot 0 moves every row down", 0, "Åse", 25000, 4,
         {{"Åse", 25000, 5}, default_row(0), default_row(1), default_row(2), default_row(3), default_row(4),
          default_row(5), default_row(6), default_row(7), default_row(8)}},
        {"slot 9 replaces the last row", 9, "Bo", 3000, 0,
         {default_row(0), default_row(1), default_row(2), default_row(3), default_row(4), default_row(5),
          default_row(6), default_row(7), default_row(8), {"Bo", 3000, 1}}},
        {"nothing typed", 3, "", 15000, 1,
         {default_row(0), default_row(1), default_row(2), {DEFAULT_HIGH_SCORE_NAME, 15000, 2}, default_row(3),
          default_row(4), default_row(5), default_row(6), default_row(7), default_row(8)}},
        {"control characters left out", 9, "A\nB\x7f\tC", 2500, 0,
         {default_row(0), default_row(1), default_row(2), default_row(3), default_row(4), default_row(5),
          default_row(6), default_row(7), default_row(8), {"ABC", 2500, 1}}},
        {"only control characters", 9, "\n\r", 2500, 0,
         {default_row(0), default_row(1), default_row(2), default_row(3), default_row(4), default_row(5),
          default_row(6), default_row(7), default_row(8), {DEFAULT_HIGH_SCORE_NAME, 2500, 1}}},
        {"only spaces", 0, "    ", 30000, 2,
         {{"    ", 30000, 3}, default_row(0), default_row(1), default_row(2), default_row(3), default_row(4),
          default_row(5), default_row(6), default_row(7), default_row(8)}},
        {"leading and trailing spaces", 8, "  Bo Ib ", 4500, 0,
         {default_row(0), default_row(1), default_row(2), default_row(3), default_row(4), default_row(5),
          default_row(6), default_row(7), {"  Bo Ib ", 4500, 1}, default_row(8)}},
    };
    for (const Case& c : cases) {
        Home h;
        shell.high_score_slot = c.slot;
        strcpy(shell.typed_name, c.typed);
        play.score = c.score;
        play.level = c.level_index;
        shell.app_mode = APP_NAME_ENTRY;
        shell.frame_counter = 5;
        finish_name_entry();
        EXPECT_EQ(table_rows(), c.rows) << c.what;
        EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE) << c.what;
        EXPECT_EQ(shell.frame_counter, TICKS_PER_PANEL) << c.what;

        std::string file;
        for (const Row& r : c.rows)
            file += std::to_string(r.score) + " " + std::to_string(r.level) + " " + r.name + "\n";
        EXPECT_EQ(read_text(h.data + "/rekorder.txt"), file) << c.what;
        init_data_folder();
        EXPECT_EQ(table_rows(), c.rows) << c.what << ": read back";
    }
}

TEST(NameEntry, UnwritableFileKeepsTheRowInMemory)
{
    Home h;
    write_text(h.data + "/rekorder.txt", "5 1 Gammel\n");
    int code = with_file_size_limit(0, [] {
        shell.high_score_slot = 0;
        strcpy(shell.typed_name, "Ny");
        play.score = 50000;
        play.level = 0;
        finish_name_entry();
        HighScore& row = shell.high_scores[0];
        return strcmp(row.name, "Ny") == 0 && row.score == 50000 && row.level == 1 ? 7 : 1;
    });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(read_text(h.data + "/rekorder.txt"), "5 1 Gammel\n");
    EXPECT_EQ(strays(h.data, {"rekorder.txt"}), std::vector<std::string>{});
}

TEST(OwnLevels, LoadOrFallBackToTheBuiltInSet)
{
    char message[256];
    const int builtin_count = parse_levels((const char*)builtin_level_text, message, sizeof message);
    const std::string two_levels = std::string(walk_level) + "[bane 2]\nfelter\nT.............D\n..............K\n";
    struct Case {
        const char* what;
        const char* text;  // null: no file
        int result;
        int count;  // -1: the built-in count
    } cases[] = {
        {"no file: the table is not touched", nullptr, 0, 3},
        {"two levels", two_levels.c_str(), 1, 2},
        {"second level lacks its door", "[bane 1]\nfelter\nT.............D\n..............K\n"
                                        "[bane 2]\nfelter\nT..............\n..............K\n", 0, -1},
        {"only comments", "# mine baner\n# kommer senere\n", 0, -1},
    };
    for (const Case& c : cases) {
        Home h;
        const std::string three = "[bane 1]\nfelter\nT.............D\n..............K\n"
                                  "[bane 2]\nfelter\nT.............D\n..............K\n"
                                  "[bane 3]\nfelter\nT.............D\n..............K\n";
        ASSERT_EQ(parse_levels(three.c_str(), message, sizeof message), 3);
        if (c.text)
            write_text(h.data + "/mine-baner.baner", c.text);
        EXPECT_EQ(load_own_levels(), c.result) << c.what;
        EXPECT_EQ(level_count, c.count < 0 ? builtin_count : c.count) << c.what;
    }
}

}  // namespace
