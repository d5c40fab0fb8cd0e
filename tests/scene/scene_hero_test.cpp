// The play scene: the hero's pose, facing, lift and fading.
#include "tests/scene/scene_fixture.h"

namespace {

// A hero standing still in play unless a case says otherwise.
struct PoseCase {
    const char* name;
    uint32_t state = STATE_PLAYING;
    int32_t tick = 0;
    int32_t cooldown = 0;
    uint32_t crouching = 0;
    int32_t jump_delay = 0;
    uint32_t on_ground = 1;
    float vy = 0.0f;
    uint32_t walking = 0;
    float walk_distance = 0.0f;
    int sprite = -1;
};

TEST_F(Scene, HeroPoseIsTheFirstRowOfThePoseTableThatApplies)
{
    const PoseCase cases[] = {
        {.name = "dying beats an action", .state = STATE_DYING, .cooldown = 12, .crouching = 1, .on_ground = 0, .vy = -3.0f, .walking = 1, .walk_distance = 30.0f, .sprite = 17},
        {.name = "dying frames run every 6 ticks and wrap after 8", .state = STATE_DYING, .tick = 66, .sprite = 20},
        {.name = "cheering at the door beats an action", .state = STATE_LEVEL_DONE, .tick = 8, .cooldown = 12, .sprite = 26},
        {.name = "cheering wraps after 4 frames", .state = STATE_LEVEL_DONE, .tick = 40, .sprite = 26},
        {.name = "action cooldown 9 while crouching", .cooldown = 9, .crouching = 1, .sprite = 15},
        {.name = "action cooldown 8 in the air", .cooldown = 8, .on_ground = 0, .vy = 2.0f, .sprite = 16},
        {.name = "action cooldown 3 while walking", .cooldown = 3, .walking = 1, .walk_distance = 20.0f, .sprite = 16},
        {.name = "action cooldown 2 leaves crouching", .cooldown = 2, .crouching = 1, .sprite = 14},
        {.name = "a negative cooldown is no action", .tick = 45, .cooldown = -20, .sprite = 2},
        {.name = "taking off shows the crouch", .jump_delay = 2, .sprite = 14},
        {.name = "crouching beats being in the air", .crouching = 1, .on_ground = 0, .vy = -4.0f, .sprite = 14},
        {.name = "rising", .on_ground = 0, .vy = -0.5f, .walking = 1, .walk_distance = 20.0f, .sprite = 12},
        {.name = "at the top of a jump", .on_ground = 0, .sprite = 13},
        {.name = "falling", .on_ground = 0, .vy = 3.0f, .sprite = 13},
        {.name = "walking one frame per 7 pixels", .walking = 1, .walk_distance = 13.9f, .sprite = 5},
        {.name = "walking frames wrap after 8", .walking = 1, .walk_distance = 62.9f, .sprite = 4},
        {.name = "walking without distance yet stands", .tick = 25, .walking = 1, .sprite = 1},
        {.name = "distance without walking stands", .walk_distance = 20.0f, .sprite = 0},
        {.name = "no walking frames in the intro", .state = STATE_INTRO, .tick = 60, .walking = 1, .walk_distance = 20.0f, .sprite = 3},
        {.name = "no walking frames after the game", .state = STATE_GAME_OVER, .tick = 80, .walking = 1, .walk_distance = 20.0f, .sprite = 0},
        {.name = "game over still shows actions", .state = STATE_GAME_OVER, .cooldown = 9, .sprite = 15},
        {.name = "standing frames last 20 ticks", .tick = 79, .sprite = 3},
    };
    for (const PoseCase& k : cases) {
        SCOPED_TRACE(k.name);
        play.state = k.state;
        play.tick = k.tick;
        play.action_cooldown = k.cooldown;
        play.crouching = k.crouching;
        play.jump_delay = k.jump_delay;
        play.on_ground = k.on_ground;
        play.hero_vy = k.vy;
        play.walking = k.walking;
        play.walk_distance = k.walk_distance;
        play.hero_x = 300.0f;
        play.hero_y = 240.0f;
        draw();
        // A dying hero is lifted; this far into the lift he is still over
        // the sampled pixel.
        const Probe p = probe_box(324.0f, 288.0f);
        EXPECT_EQ(p.sprite, k.sprite);
        EXPECT_EQ(p.quarter, TOP_LEFT);
    }
}

TEST_F(Scene, HeroFacingLeftIsMirrored)
{
    play.hero_x = 300.0f;
    play.hero_y = 240.0f;
    play.facing = -1;
    draw();
    EXPECT_EQ(probe_box(324.0f, 288.0f).quarter, TOP_RIGHT);
}

TEST_F(Scene, DyingHeroRisesAndFallsBack)
{
    struct Case {
        int32_t tick;
        int top;  // screen row of his top edge
    } cases[] = {
        {0, 288}, {30, 258}, {60, 288}, {200, 288},
    };
    play.state = STATE_DYING;
    play.hero_x = 300.0f;
    play.hero_y = 240.0f;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.tick);
        play.tick = k.tick;
        draw();
        EXPECT_EQ(probe(330, k.top - 2).sprite, -1);
        EXPECT_NE(probe(330, k.top + 1).sprite, -1);
        EXPECT_NE(probe(330, k.top + 46).sprite, -1);
        EXPECT_EQ(probe(330, k.top + 49).sprite, -1);
    }
}

TEST_F(Scene, HeroFadesOutAfterCheeringAndIsGoneWhenAllLevelsAreDone)
{
    struct Case {
        uint32_t state;
        int32_t tick;
        int alpha;  // 0: not drawn
    } cases[] = {
        {STATE_LEVEL_DONE, 40, 255}, {STATE_LEVEL_DONE, 41, 249}, {STATE_LEVEL_DONE, 60, 135},
        {STATE_LEVEL_DONE, 80, 15},  {STATE_LEVEL_DONE, 81, 0},   {STATE_LEVEL_DONE, 5000, 0},
        {STATE_ALL_DONE, 0, 0},      {STATE_GAME_OVER, 100, 255}, {STATE_INTRO, 100, 255},
    };
    play.hero_x = 300.0f;
    play.hero_y = 240.0f;
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "state " << k.state << " tick " << k.tick);
        play.state = k.state;
        play.tick = k.tick;
        draw();
        EXPECT_NEAR(probe_box(324.0f, 288.0f).alpha, k.alpha, 1);
    }
}

}  // namespace
