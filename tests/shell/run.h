// Runs the game's program in a fresh temporary folder with its own HOME.
#pragma once
#include <string>
#include <vector>

struct Outcome {
    int code;         // exit code
    std::string out;  // standard output
    std::string err;  // standard error
};

// A temporary folder, removed with everything in it when it goes.
struct TempDir {
    std::string path;
    TempDir();
    ~TempDir();
};

// Runs the program with args in folder dir; env holds extra "NAME=value"
// words or "-u NAME" to unset one (HOME is dir and SDL_VIDEODRIVER is dummy
// unless env says otherwise).
Outcome run_game(const std::string& dir, const std::vector<std::string>& args, const std::vector<std::string>& env = {});

// run_game for the interactive game, which runs until the player quits: after
// seconds it gets SIGTERM, which SDL turns into its quit event, so a game that
// shuts down cleanly still ends with exit code 0.
Outcome run_game_then_quit(double seconds, const std::string& dir, const std::vector<std::string>& args,
                           const std::vector<std::string>& env = {});

// run_game killed after seconds (exit code 137 then) and, with file_limit
// above 0, with files that may grow to at most that many bytes: a write
// beyond fails as on a full disk.
Outcome run_game_bounded(double seconds, long file_limit, const std::string& dir, const std::vector<std::string>& args,
                         const std::vector<std::string>& env = {});

std::string read_text(const std::string& path);
void write_text(const std::string& path, const std::string& text);
bool file_exists(const std::string& path);
long file_size(const std::string& path);  // -1 when missing

// A one-level text: the hero on the floor at the left, the key and the door to his right.
extern const char* const walk_level;
