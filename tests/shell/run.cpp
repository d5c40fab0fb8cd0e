#include "run.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

const char* const walk_level =
    "[bane 1]\n"
    "navn Prøve\n"
    "felter\n"
    "...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n"
    "T.....K.......D\n";

TempDir::TempDir()
{
    char name[] = "/tmp/frostova-shell-XXXXXX";
    path = mkdtemp(name);
}

TempDir::~TempDir()
{
    std::string command = "rm -rf '" + path + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", path.c_str());
}

static std::string quoted(const std::string& word)
{
    std::string q = "'";
    for (char c : word)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

static Outcome run_command(const std::string& prefix, const std::string& dir, const std::vector<std::string>& args,
                           const std::vector<std::string>& env)
{
    std::string unset = " -u OLPI_LYDPROEVE";
    std::string set;
    bool home = true, video = true;
    for (const std::string& e : env) {
        if (e.rfind("-u ", 0) == 0) {
            unset += " -u " + quoted(e.substr(3));
            home = home && e.substr(3) != "HOME";
            video = video && e.substr(3) != "SDL_VIDEODRIVER";
        } else {
            set += " " + quoted(e);
        }
    }
    set = (video ? " SDL_VIDEODRIVER=dummy" : "") + std::string(" SDL_AUDIODRIVER=dummy") + set;
    // A size limit must fail the write, not kill the program with SIGXFSZ.
    std::string command = "trap '' XFSZ; cd " + quoted(dir) + " && env" + unset + (home ? " HOME=" + quoted(dir) : "") + set;
    command += " " + prefix + quoted(FROSTOVA_BIN);
    for (const std::string& a : args)
        command += " " + quoted(a);
    command += " >" + quoted(dir + "/.stdout") + " 2>" + quoted(dir + "/.stderr");
    int status = std::system(command.c_str());
    Outcome run;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = read_text(dir + "/.stdout");
    run.err = read_text(dir + "/.stderr");
    std::remove((dir + "/.stdout").c_str());
    std::remove((dir + "/.stderr").c_str());
    return run;
}

Outcome run_game(const std::string& dir, const std::vector<std::string>& args, const std::vector<std::string>& env)
{
    return run_command("", dir, args, env);
}

Outcome run_game_then_quit(double seconds, const std::string& dir, const std::vector<std::string>& args,
                           const std::vector<std::string>& env)
{
    return run_command("timeout --preserve-status -s TERM " + std::to_string(seconds) + " ", dir, args, env);
}

Outcome run_game_bounded(double seconds, long file_limit, const std::string& dir, const std::vector<std::string>& args,
                         const std::vector<std::string>& env)
{
    std::string prefix = "timeout -s KILL " + std::to_string(seconds) + " ";
    if (file_limit > 0)
        prefix += "prlimit --fsize=" + std::to_string(file_limit) + " ";
    return run_command(prefix, dir, args, env);
}

std::string read_text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_text(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

bool file_exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

long file_size(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? (long)st.st_size : -1;
}
