// Play from any level the reader accepts, driven by the input bytes, with
// the invariants of play checked after every tick. The input is a level text
// and, after a NUL byte, the keys; without a NUL byte the built-in levels
// are played and the first byte chooses the level.
#include "fuzz/play_checks.h"
#include "levels/levels.h"
#include "rules/rules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t* nul = (const uint8_t*)memchr(data, 0, size);
    std::string text;
    const uint8_t* keys = data;
    if (nul) {
        text.assign((const char*)data, nul - data);
        keys = nul + 1;
    } else {
        text = (const char*)builtin_level_text;
    }
    const size_t key_count = size - (keys - data);
    char message[256];
    if (parse_levels(text.c_str(), message, sizeof message) <= 0 || key_count == 0)
        return 0;

    srand(keys[0]);
    new_game(keys[0] % level_count);
    PlayWatch watch;
    watch_new_game(&watch);
    uint32_t prev = 0;
    int64_t ticks = 0;
    for (size_t i = 1; i < key_count; i++) {
        const uint32_t held = keys[i] & 63;
        const int repeat = 1 + (keys[i] >> 6) * 5;
        for (int t = 0; t < repeat; t++, ticks++) {
            game_step(input_frame(held, prev));
            prev = held;
            if (const char* fault = check_play(&watch)) {
                fprintf(stderr, "after %lld ticks on level %d (state %u): %s\n", (long long)ticks, play.level + 1,
                        play.state, fault);
                abort();
            }
            if ((play.state == STATE_GAME_OVER || play.state == STATE_ALL_DONE) && play.tick > 200) {
                new_game(keys[i] % level_count);
                watch_new_game(&watch);
            }
        }
    }
    return 0;
}
