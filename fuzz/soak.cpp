// The soak: long play of every built-in level, random keys mixed with the
// committed winning scripts, the invariants of play checked after every tick.
// Usage: soak [--ticks N] [--level L] [--seed S] [--replays DIR]
// (N ticks per level, default 1000000; L one level 1..24, default all).
#include "fuzz/play_checks.h"
#include "levels/levels.h"
#include "rules/rules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Stretch {
    int ticks;
    uint32_t held;
};

// A winning script: "TICKS BITS" lines, # comments and empty lines skipped.
std::vector<Stretch> read_script(const std::string& path)
{
    std::vector<Stretch> script;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        Stretch s{};
        if (words >> s.ticks >> s.held && s.ticks > 0)
            script.push_back(s);
    }
    return script;
}

// The soak's own generator, apart from rand(), which the portals use.
uint64_t rng_state = 1;
uint32_t next_random()
{
    rng_state ^= rng_state << 13;
    rng_state ^= rng_state >> 7;
    rng_state ^= rng_state << 17;
    return (uint32_t)rng_state;
}

struct Figures {
    long long ticks = 0;
    long long games = 0;
    long long levels_done = 0;  // doors reached
    long long scripted = 0;     // ticks that followed a winning script
};

// Plays ticks from a new game at level, starting a new game whenever one
// ends; 0, or 1 after printing the first broken invariant.
int soak_level(int level, long long ticks, const std::vector<std::vector<Stretch>>& scripts, Figures& f)
{
    new_game(level);
    PlayWatch watch;
    watch_new_game(&watch);
    f.games++;
    const std::vector<Stretch>* script = nullptr;  // the script being followed, null: random keys
    size_t stretch = 0;
    int left = 0;  // ticks left of the current stretch
    uint32_t held = 0, prev = 0, last_state = play.state;
    for (long long t = 0; t < ticks; t++) {
        // Each time a level begins, follow its winning script half the time.
        if (play.state == STATE_INTRO && last_state != STATE_INTRO) {
            script = nullptr;
            left = 0;
            if (play.level < (int)scripts.size() && !scripts[play.level].empty() && next_random() % 2) {
                script = &scripts[play.level];
                stretch = 0;
            }
        }
        if (left == 0) {
            if (script && stretch < script->size()) {
                held = (*script)[stretch].held;
                left = (*script)[stretch].ticks;
                stretch++;
                // Now and then a stray key spoils the script.
                if (next_random() % 40 == 0)
                    held ^= 1u << (next_random() % 6);
            } else {
                script = nullptr;
                held = next_random() % 64;
                left = 1 + next_random() % 24;
            }
        }
        left--;
        if (script)
            f.scripted++;
        last_state = play.state;
        game_step(input_frame(held, prev));
        prev = held;
        f.ticks++;
        if (play.state == STATE_LEVEL_DONE && last_state != STATE_LEVEL_DONE)
            f.levels_done++;
        if (const char* fault = check_play(&watch)) {
            fprintf(stderr, "level %d, tick %lld of the soak, now on level %d in state %u: %s\n", level + 1, t,
                    play.level + 1, play.state, fault);
            return 1;
        }
        if ((play.state == STATE_GAME_OVER || play.state == STATE_ALL_DONE) && play.tick > 200) {
            new_game(level);
            watch_new_game(&watch);
            f.games++;
            last_state = play.state;
            script = nullptr;
            left = 0;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    long long ticks = 1000000;
    int only = 0;
    unsigned seed = 1;
    std::string replays = "tests/levels/replays";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--ticks"))
            ticks = atoll(argv[i + 1]);
        else if (!strcmp(argv[i], "--level"))
            only = atoi(argv[i + 1]);
        else if (!strcmp(argv[i], "--seed"))
            seed = (unsigned)strtoul(argv[i + 1], nullptr, 10);
        else if (!strcmp(argv[i], "--replays"))
            replays = argv[i + 1];
        else {
            fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    char message[256];
    const int count = parse_levels((const char*)builtin_level_text, message, sizeof message);
    if (count <= 0) {
        fprintf(stderr, "the built-in levels do not parse: %s\n", message);
        return 2;
    }
    std::vector<std::vector<Stretch>> scripts(count);
    for (int l = 0; l < count; l++) {
        char name[32];
        snprintf(name, sizeof name, "/level%02d.txt", l + 1);
        scripts[l] = read_script(replays + name);
        if (scripts[l].empty()) {
            fprintf(stderr, "no winning script at %s%s\n", replays.c_str(), name);
            return 2;
        }
    }
    srand(seed);
    rng_state = 0x9E3779B97F4A7C15ull ^ seed;
    Figures total;
    for (int level = 0; level < count; level++) {
        if (only && level != only - 1)
            continue;
        Figures f;
        if (soak_level(level, ticks, scripts, f))
            return 1;
        printf("level %2d: %lld ticks, %lld games, %lld doors reached, %lld ticks scripted\n", level + 1, f.ticks,
               f.games, f.levels_done, f.scripted);
        total.ticks += f.ticks;
        total.games += f.games;
        total.levels_done += f.levels_done;
    }
    printf("soak: %lld ticks, %lld games, %lld doors reached, no broken invariant\n", total.ticks, total.games,
           total.levels_done);
    return 0;
}
