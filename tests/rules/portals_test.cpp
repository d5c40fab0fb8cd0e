// Portals: their timers, the enemy limit, the enemies they send and the
// random direction that only a real spawn draws.
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "tests/rules/harness.h"

namespace {

// One portal at row 3, column 7, high above the hero's row; key and door
// out of his way.
const std::vector<std::string> ONE_PORTAL = {
    "............D.K", "...............", "...............", ".......P.......",
    "...............", "...............", "...............", "...............",
    "...............", "...............", "T..............", "sssssssssssssss",
};

const unsigned SEED = 1;
const int STILL_KIND = 99;

void step(int ticks = 1)
{
    hold(0, ticks);
}

// Starts play on the portal level, its portal sending a kind at a period,
// with the generator at the fixed seed.
void start_portal_level(int kind, int period_s, bool skip_intro = true)
{
    srand(SEED);
    std::string line = "portal 4,8 " + std::string(enemy_names[kind]) + " " + std::to_string(period_s) + "\n";
    start_fixture(fixture(ONE_PORTAL, "tid 999\n") + line);
    if (skip_intro)
        wait_until_playing();
    clear_sound_log();
}

// The directions that the first two values of the seeded generator give.
void seeded_directions(int* first, int* second)
{
    srand(SEED);
    *first = (rand() & 1) ? 1 : -1;
    *second = (rand() & 1) ? 1 : -1;
}

int active_enemies()
{
    int n = 0;
    for (const Enemy& e : play.enemies)
        n += e.active != 0;
    return n;
}

// Keeps a slot busy with an enemy that never moves, far from the hero.
void occupy(int slot)
{
    Enemy& e = play.enemies[slot];
    e = Enemy{};
    e.active = 1;
    e.kind = STILL_KIND;
    e.x = 600.0f;
    e.y = 48.0f;
}

TEST(Portal, SendsAFadingEnemyOnItsTimerAndThenEveryPeriod)
{
    int first, second;
    seeded_directions(&first, &second);
    start_portal_level(ENEMY_ICICLE, 8);
    step(179);
    EXPECT_EQ(active_enemies(), 0);
    EXPECT_EQ(play.portal_timers[0], 1);
    step();
    const Enemy& e = play.enemies[0];
    ASSERT_TRUE(e.active);
    EXPECT_EQ(e.kind, ENEMY_ICICLE);
    EXPECT_EQ(e.x, 336.0f);
    EXPECT_EQ(e.y, 144.0f);
    EXPECT_EQ(e.dir, first);
    EXPECT_EQ(e.vx, (float)first);
    EXPECT_EQ(e.vy, 1.0f);
    EXPECT_EQ(e.fade_in, 29) << "its first turn, in the same tick, is a tick of fading in";
    EXPECT_EQ(e.anim, 0);
    EXPECT_EQ(play.portal_timers[0], 480);
    EXPECT_EQ(effects_log, std::vector<int>{13});
    const Particle& puff = play.particles[0];
    EXPECT_TRUE(puff.active);
    EXPECT_EQ(puff.kind, (uint32_t)PARTICLE_PUFF);
    EXPECT_EQ(puff.x, 336.0f);
    EXPECT_EQ(puff.y, 144.0f);

    step(479);
    EXPECT_EQ(active_enemies(), 1);
    step();
    ASSERT_TRUE(play.enemies[1].active);
    EXPECT_EQ(play.enemies[1].dir, second);
}

TEST(Portal, TimersWaitThroughTheIntroAndRunThroughAFreeze)
{
    start_portal_level(ENEMY_GHOST, 8, false);
    step(90);
    EXPECT_EQ(play.state, (uint32_t)STATE_INTRO);
    EXPECT_EQ(play.portal_timers[0], 180);
    step();
    play.freeze_ticks = 1000;
    step(180);
    EXPECT_EQ(active_enemies(), 1);
}

TEST(Portal, AtTheEnemyLimitTheAttemptIsLostAndDrawsNoDirection)
{
    int first, second;
    seeded_directions(&first, &second);
    ASSERT_NE(first, second) << "the seed must tell the two draws apart";
    start_portal_level(ENEMY_ICICLE, 8);
    for (int slot = 0; slot < 8; slot++)
        occupy(slot);
    step(180);
    EXPECT_EQ(active_enemies(), 8);
    EXPECT_EQ(play.portal_timers[0], 480) << "reloaded although nothing was sent";
    EXPECT_EQ(play.particles[0].active, 0u);
    EXPECT_TRUE(effects_log.empty()) << "a refused spawn makes no sound";

    // A kill right after does not bring the spawn forward; the next one
    // fills the freed slot with the first draw of the generator.
    play.enemies[3].active = 0;
    step(479);
    EXPECT_FALSE(play.enemies[3].active);
    step();
    ASSERT_TRUE(play.enemies[3].active);
    EXPECT_EQ(play.enemies[3].kind, ENEMY_ICICLE);
    EXPECT_EQ(play.enemies[3].dir, first);
}

TEST(Portal, TwoPortalsExpiringTogetherWithSevenEnemiesSendOne)
{
    const std::vector<std::string> rows = {
        "............D.K", "...............", "...............", "...P.......P...",
        "...............", "...............", "...............", "...............",
        "...............", "...............", "T..............", "sssssssssssssss",
    };
    srand(SEED);
    start_fixture(fixture(rows, "tid 999\n"));
    wait_until_playing();
    for (int slot = 0; slot < 7; slot++)
        occupy(slot);
    play.portal_timers[0] = 1;
    play.portal_timers[1] = 1;
    step();
    ASSERT_TRUE(play.enemies[7].active);
    EXPECT_EQ(play.enemies[7].x, 144.0f) << "the lower portal sends first";
    EXPECT_FALSE(play.enemies[8].active);
    EXPECT_EQ(play.portal_timers[0], 480);
    EXPECT_EQ(play.portal_timers[1], 480);
}

TEST(Portal, HugePeriodsReloadWithoutWrapping)
{
    const int periods[] = {INT_MAX / 60 + 1, INT_MAX};
    for (int period : periods) {
        start_portal_level(ENEMY_ICICLE, period);
        step(180);
        EXPECT_EQ(active_enemies(), 1) << period;
        EXPECT_EQ(play.portal_timers[0], INT_MAX) << period;
        step(100);
        EXPECT_EQ(active_enemies(), 1) << period;
        EXPECT_EQ(play.portal_timers[0], INT_MAX - 100) << period;
    }
}

TEST(Portal, FullParticlePoolStillGetsTheEnemy)
{
    start_portal_level(ENEMY_ICICLE, 8);
    step(179);
    for (Particle& p : play.particles) {
        p.active = 1;
        p.kind = PARTICLE_SHARDS;
        p.x = 0.0f;
        p.y = 0.0f;
        p.age = 0;
    }
    step();
    EXPECT_TRUE(play.enemies[0].active);
    EXPECT_EQ(effects_log, std::vector<int>{13});
    for (const Particle& p : play.particles)
        EXPECT_EQ(p.kind, (uint32_t)PARTICLE_SHARDS);
}

TEST(Portal, EnemySentOntoTheHeroHarmsHimOnlyAfterFadingIn)
{
    // The portal stands in the hero's own cell.
    std::vector<std::string> rows = ONE_PORTAL;
    rows[3] = "...............";
    srand(SEED);
    start_fixture(fixture(rows, "tid 999\n") + "portal 11,1 snemand 8\n");
    wait_until_playing();
    step(180);
    ASSERT_TRUE(play.enemies[0].active);
    EXPECT_EQ(play.enemies[0].x, play.hero_x);
    step(29);
    EXPECT_EQ(play.state, (uint32_t)STATE_PLAYING);
    EXPECT_EQ(play.enemies[0].fade_in, 0);
    EXPECT_EQ(play.enemies[0].anim, 0);
    step();
    EXPECT_EQ(play.state, (uint32_t)STATE_DYING);
}

} // namespace
