// The play scene: snowballs, particles and pop-ups.
#include "tests/scene/scene_fixture.h"

namespace {

TEST_F(Scene, SnowballFrames)
{
    Snowball& ball = play.snowballs[3];
    ball = Snowball{1, 100.5f, 200.0f, 7.0f, 13};
    play.snowballs[0] = Snowball{0, 300.0f, 200.0f, 7.0f, 0};
    draw();
    EXPECT_EQ(probe_box(124.5f, 248.0f).sprite, 71);
    EXPECT_EQ(probe_box(324.0f, 248.0f).alpha, 0);
    ball.age = 16;
    draw();
    EXPECT_EQ(probe_box(124.5f, 248.0f).sprite, 68);
}

TEST_F(Scene, ParticleFramesUntilAge35)
{
    struct Case {
        uint32_t active;
        uint32_t kind;
        int32_t age;
        int sprite;
    } cases[] = {
        {1, PARTICLE_PUFF, 0, 76},   {1, PARTICLE_PUFF, 35, 81},  {1, PARTICLE_PUFF, 36, -1},
        {1, PARTICLE_SHARDS, 12, 84}, {1, PARTICLE_SHARDS, 35, 87}, {1, 7, 6, 83},
        {0, PARTICLE_PUFF, 0, -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << k.kind << " age " << k.age);
        play.particles[31] = Particle{k.active, k.kind, 400.0f, 300.0f, k.age};
        draw();
        EXPECT_EQ(probe_box(424.0f, 348.0f).sprite, k.sprite);
    }
}

TEST_F(Scene, PopupsFadeOverTheirLast20Ticks)
{
    screen.white_small_font();
    struct Case {
        int32_t ticks;
        int alpha;  // 0: not drawn
    } cases[] = {{50, 255}, {21, 255}, {20, 240}, {1, 12}, {0, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.ticks);
        play.popups[7] = Popup{300.0f, 200.0f, k.ticks, 250};
        draw();
        // Centred on the middle of the pop-up's box, top at the box's top.
        const uint32_t p = screen.pixel(348, 252);
        EXPECT_NEAR((int)(p & 0xff), 0xff * k.alpha / 255, 1);
        EXPECT_NEAR((int)((p >> 8) & 0xff), 0xe2 * k.alpha / 255, 1);
        EXPECT_NEAR((int)((p >> 16) & 0xff), 0x78 * k.alpha / 255, 1);
    }
}

// Pop-up positions are cut to whole pixels before the text is placed.
TEST_F(Scene, PopupTextIsCentredOnTheBoxAndTruncated)
{
    screen.white_small_font();
    play.popups[0] = Popup{300.9f, 200.9f, 30, 1000};
    draw();
    const int width = text_width("1000", 0);
    const int left = 348 - width / 2, top = 248;
    EXPECT_EQ(screen.pixel(348, top - 1) & 0xffffff, 0u);
    EXPECT_EQ(screen.pixel(348, top) & 0xffffff, (COLOUR_GOLD & 0xffffffu));
    EXPECT_EQ(screen.pixel(left - 2, top + 10) & 0xffffff, 0u);
    EXPECT_EQ(screen.pixel(left + 2, top + 10) & 0xffffff, (COLOUR_GOLD & 0xffffffu));
}

}  // namespace
