// The play scene drawn by the software renderer into a 768 x 672 surface.
//
// Two kinds of checks. The Scene tests put a marked sheet in place of the
// sprite sheet: every sprite is opaque, its red channel is 100 + its number,
// green is 255 and blue tells the quarter of the sprite (0 top left, 80 top
// right, 160 bottom left, 240 bottom right). Over a black screen one pixel
// then says which sprite lies on top there, which way it faces and, through
// green, how transparent it was drawn. The GoldenScene tests draw fixture
// scenes with the game's own art and compare them with reference pictures in
// tests/draw/golden/; FROSTOVA_REBASELINE=1 writes those references instead.
#include <gtest/gtest.h>
#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "draw/draw.h"
#include "levels/levels.h"
#include "rules/rules.h"

#include "tests/golden.h"

namespace {

const int W = 768, H = 672;
const int SHEET_W = 2048, SHEET_H = 572;

// Quarters of a marked sprite as they read from the blue channel.
enum { TOP_LEFT = 0, TOP_RIGHT = 1, BOTTOM_LEFT = 2, BOTTOM_RIGHT = 3 };

struct Probe {
    int sprite;   // the opaque sprite on top, or -1
    int quarter;  // which quarter of it
    int alpha;    // the green channel: 255 for an opaque sprite over black
};

// Cells and items of a fixture level, one letter per cell:
// cells '.' empty, 'i' ice, 'c' cracked ice, 's' stone, '~' slippery ice;
// items '.' none, '1'..'9' the item codes 1..9, 'b' bell (10), 'k' key (11),
// an upper-case letter or '!' the same item hidden ('F' fish, '!' key).
struct FixtureLevel {
    const char* cells[LEVEL_ROWS];
    const char* items[LEVEL_ROWS];
};

int item_code(char ch)
{
    if (ch >= '1' && ch <= '9')
        return ch - '0';
    switch (ch) {
    case 'b': return ITEM_BELL;
    case 'k': return ITEM_KEY;
    case 'F': return ITEM_HIDDEN | ITEM_FISH;
    case '!': return ITEM_HIDDEN | ITEM_KEY;
    default: return ITEM_NONE;
    }
}

class Scene : public ::testing::Test {
protected:
    SDL_Surface* screen = nullptr;
    SDL_Renderer* renderer = nullptr;
    TextureSet saved_textures = textures;
    int32_t saved_theme = background_theme;
    int32_t saved_count = level_count;
    LevelRecord saved_level = level_table[0];
    std::vector<SDL_Texture*> made;

    void SetUp() override
    {
        screen = SDL_CreateRGBSurfaceWithFormat(0, W, H, 32, SDL_PIXELFORMAT_ABGR8888);
        ASSERT_NE(screen, nullptr);
        renderer = SDL_CreateSoftwareRenderer(screen);
        ASSERT_NE(renderer, nullptr);
        textures = TextureSet{};
        textures.renderer = renderer;
        textures.sprites = marked_sheet();
        // The background step finds its theme already held and copies a
        // texture that is not there: the screen stays black behind the field.
        background_theme = 0;
        level_table[0] = LevelRecord{};
        level_table[0].door_row = 20;  // below the screen unless a test places it
        level_count = 1;
        play = PlayState{};
        play.state = STATE_PLAYING;
        play.on_ground = 1;
        play.facing = 1;
        park_hero();
        clear();
    }
    void TearDown() override
    {
        for (SDL_Texture* t : made)
            SDL_DestroyTexture(t);
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(screen);
        textures = saved_textures;
        background_theme = saved_theme;
        level_count = saved_count;
        level_table[0] = saved_level;
    }

    void clear()
    {
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    SDL_Texture* texture(int w, int h, const std::vector<uint32_t>& pixels)
    {
        SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
        SDL_UpdateTexture(t, nullptr, pixels.data(), 4 * w);
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(t, SDL_ScaleModeNearest);
        made.push_back(t);
        return t;
    }
    SDL_Texture* marked_sheet()
    {
        std::vector<uint32_t> pixels((size_t)SHEET_W * SHEET_H, 0);
        for (int n = 0; n < SPRITE_COUNT; n++) {
            const SpriteRect& r = sprite_rects[n];
            for (int y = r.y; y < r.y + r.h; y++)
                for (int x = r.x; x < r.x + r.w; x++) {
                    const uint32_t quarter = ((y - r.y) * 2 >= r.h ? 2u : 0u) + ((x - r.x) * 2 >= r.w ? 1u : 0u);
                    pixels[(size_t)y * SHEET_W + x] = 0xff00ff00u | (80u * quarter) << 16 | uint32_t(100 + n);
                }
        }
        return texture(SHEET_W, SHEET_H, pixels);
    }
    // A small glyph sheet that is white all over: every glyph is a box of
    // the text's colour.
    void white_small_font()
    {
        textures.font_small = texture(4096, 448, std::vector<uint32_t>((size_t)4096 * 448, 0xffffffffu));
    }
    // The hero stands far off the screen unless a test places him.
    void park_hero()
    {
        play.hero_x = 2000.0f;
        play.hero_y = 2000.0f;
    }
    void load(const FixtureLevel& fixture)
    {
        for (int r = 0; r < LEVEL_ROWS; r++)
            for (int c = 0; c < LEVEL_COLS; c++) {
                const char cell = fixture.cells[r][c];
                play.cells[r][c] = cell == 'i' || cell == 'c' ? CELL_ICE
                                   : cell == 's'              ? CELL_STONE
                                   : cell == '~'              ? CELL_SLIPPERY
                                                              : CELL_EMPTY;
                play.cracks[r][c] = cell == 'c' ? 1 : 0;
                play.items[r][c] = (uint8_t)item_code(fixture.items[r][c]);
                level_table[0].cells[r][c] = play.cells[r][c];
                level_table[0].items[r][c] = play.items[r][c];
            }
    }
    Enemy& add_enemy(int kind, float x, float y, int dir)
    {
        for (Enemy& e : play.enemies)
            if (!e.active) {
                e = Enemy{};
                e.active = 1;
                e.kind = kind;
                e.x = x;
                e.y = y;
                e.dir = dir;
                return e;
            }
        ADD_FAILURE() << "no free enemy slot";
        return play.enemies[0];
    }
    uint32_t pixel(int x, int y)
    {
        return static_cast<const uint32_t*>(screen->pixels)[(size_t)y * (screen->pitch / 4) + x];
    }
    Probe probe(int x, int y)
    {
        const uint32_t p = pixel(x, y);
        const int r = p & 0xff, g = (p >> 8) & 0xff, b = (p >> 16) & 0xff;
        Probe result = {-1, (b + 40) / 80, g};
        if (g == 255 && r >= 100)
            result.sprite = r - 100;
        return result;
    }
    // The sprite at the middle of the top-left quarter of a 48 x 48 box
    // whose top-left corner is at the screen position (x, y).
    Probe probe_box(float x, float y)
    {
        return probe((int)x + 12, (int)y + 12);
    }
    void draw()
    {
        clear();
        draw_game();
        SDL_RenderFlush(renderer);
    }
};

// ---- The hero's pose, facing, lift and fading ----

struct PoseCase {
    const char* name;
    uint32_t state;
    int32_t tick;
    int32_t cooldown;
    uint32_t crouching;
    int32_t jump_delay;
    uint32_t on_ground;
    float vy;
    uint32_t walking;
    float walk_distance;
    int sprite;
};

TEST_F(Scene, HeroPoseIsTheFirstRowOfThePoseTableThatApplies)
{
    const PoseCase cases[] = {
        {"dying beats an action", STATE_DYING, 0, 12, 1, 0, 0, -3.0f, 1, 30.0f, 17},
        {"dying frames run every 6 ticks and wrap after 8", STATE_DYING, 66, 0, 0, 0, 1, 0.0f, 0, 0.0f, 20},
        {"cheering at the door beats an action", STATE_LEVEL_DONE, 8, 12, 0, 0, 1, 0.0f, 0, 0.0f, 26},
        {"cheering wraps after 4 frames", STATE_LEVEL_DONE, 40, 0, 0, 0, 1, 0.0f, 0, 0.0f, 26},
        {"action cooldown 9 while crouching", STATE_PLAYING, 0, 9, 1, 0, 1, 0.0f, 0, 0.0f, 15},
        {"action cooldown 8 in the air", STATE_PLAYING, 0, 8, 0, 0, 0, 2.0f, 0, 0.0f, 16},
        {"action cooldown 3 while walking", STATE_PLAYING, 0, 3, 0, 0, 1, 0.0f, 1, 20.0f, 16},
        {"action cooldown 2 leaves crouching", STATE_PLAYING, 0, 2, 1, 0, 1, 0.0f, 0, 0.0f, 14},
        {"a negative cooldown is no action", STATE_PLAYING, 45, -20, 0, 0, 1, 0.0f, 0, 0.0f, 2},
        {"taking off shows the crouch", STATE_PLAYING, 0, 0, 0, 2, 1, 0.0f, 0, 0.0f, 14},
        {"crouching beats being in the air", STATE_PLAYING, 0, 0, 1, 0, 0, -4.0f, 0, 0.0f, 14},
        {"rising", STATE_PLAYING, 0, 0, 0, 0, 0, -0.5f, 1, 20.0f, 12},
        {"at the top of a jump", STATE_PLAYING, 0, 0, 0, 0, 0, 0.0f, 0, 0.0f, 13},
        {"falling", STATE_PLAYING, 0, 0, 0, 0, 0, 3.0f, 0, 0.0f, 13},
        {"walking one frame per 7 pixels", STATE_PLAYING, 0, 0, 0, 0, 1, 0.0f, 1, 13.9f, 5},
        {"walking frames wrap after 8", STATE_PLAYING, 0, 0, 0, 0, 1, 0.0f, 1, 62.9f, 4},
        {"walking without distance yet stands", STATE_PLAYING, 25, 0, 0, 0, 1, 0.0f, 1, 0.0f, 1},
        {"distance without walking stands", STATE_PLAYING, 0, 0, 0, 0, 1, 0.0f, 0, 20.0f, 0},
        {"no walking frames in the intro", STATE_INTRO, 60, 0, 0, 0, 1, 0.0f, 1, 20.0f, 3},
        {"no walking frames after the game", STATE_GAME_OVER, 80, 0, 0, 0, 1, 0.0f, 1, 20.0f, 0},
        {"game over still shows actions", STATE_GAME_OVER, 0, 9, 0, 0, 1, 0.0f, 0, 0.0f, 15},
        {"standing frames last 20 ticks", STATE_PLAYING, 79, 0, 0, 0, 1, 0.0f, 0, 0.0f, 3},
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

// ---- Enemies ----

struct EnemyCase {
    const char* name;
    int kind;
    int dir;
    int anim;
    int mode;
    int sprite;
    bool mirrored;
};

TEST_F(Scene, EnemySpritesAndMirroring)
{
    const EnemyCase cases[] = {
        {"snowman right", ENEMY_SNOWMAN, 1, 0, 0, 52, false},
        {"snowman left", ENEMY_SNOWMAN, -1, 35, 0, 55, true},
        {"ghost left", ENEMY_GHOST, -1, 10, 0, 57, true},
        {"bat right, frames wrap after 4", ENEMY_BAT, 1, 49, 0, 60, false},
        {"bat left", ENEMY_BAT, -1, 39, 0, 63, true},
        {"spark left is never mirrored", ENEMY_SPARK, -1, 20, 0, 66, false},
        {"hanging icicle", ENEMY_ICICLE, 1, 40, 0, 89, false},
        {"shaking icicle left is never mirrored", ENEMY_ICICLE, -1, 4, 1, 91, false},
        {"shaking icicle frames wrap after 3", ENEMY_ICICLE, 1, 9, 1, 90, false},
        {"falling icicle looks like a hanging one", ENEMY_ICICLE, 1, 7, 2, 89, false},
        {"walking bear left", ENEMY_POLAR_BEAR, -1, 25, 0, 95, true},
        {"charging bear", ENEMY_POLAR_BEAR, 1, 12, 1, 99, false},
        {"charging bear frames wrap after 4", ENEMY_POLAR_BEAR, -1, 20, 1, 97, true},
    };
    for (const EnemyCase& k : cases) {
        SCOPED_TRACE(k.name);
        play.enemies[0] = Enemy{};
        Enemy& e = add_enemy(k.kind, 200.0f, 150.0f, k.dir);
        e.anim = k.anim;
        e.mode = k.mode;
        draw();
        const Probe p = probe_box(224.0f, 198.0f);
        EXPECT_EQ(p.sprite, k.sprite);
        EXPECT_EQ(p.quarter, k.mirrored ? TOP_RIGHT : TOP_LEFT);
    }
}

TEST_F(Scene, EnemyFadesInFromAPortal)
{
    const struct {
        int fade_in;
        int alpha;
    } cases[] = {{30, 45}, {10, 185}, {0, 255}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.fade_in);
        play.enemies[0] = Enemy{};
        add_enemy(ENEMY_SNOWMAN, 200.0f, 150.0f, 1).fade_in = k.fade_in;
        draw();
        EXPECT_NEAR(probe_box(224.0f, 198.0f).alpha, k.alpha, 1);
    }
}

TEST_F(Scene, InactiveEnemySlotsAndUnknownKindsDrawNothing)
{
    add_enemy(ENEMY_SNOWMAN, 200.0f, 150.0f, 1).active = 0;
    add_enemy(6, 300.0f, 150.0f, 1);
    add_enemy(-1, 400.0f, 150.0f, 1);
    draw();
    EXPECT_EQ(probe_box(224.0f, 198.0f).alpha, 0);
    EXPECT_EQ(probe_box(324.0f, 198.0f).alpha, 0);
    EXPECT_EQ(probe_box(424.0f, 198.0f).alpha, 0);
}

// The marker of an enemy lies 12 pixels right of and 14 above its sprite and
// is drawn right after it, so the next enemy covers it.
TEST_F(Scene, FreezeMarkerFollowsEachEnemy)
{
    play.freeze_ticks = 100;
    play.tick = 8;
    add_enemy(ENEMY_SNOWMAN, 200.0f, 150.0f, -1);
    add_enemy(ENEMY_SNOWMAN, 230.0f, 150.0f, 1);
    draw();
    const int x0 = 224, y0 = 198;  // the first enemy's screen corner
    // Above the first enemy: the marker alone, half transparent, frame 49.
    const Probe above = probe(x0 + 20, y0 - 8);
    EXPECT_NEAR(above.alpha, 160, 1);
    EXPECT_NEAR((int)(pixel(x0 + 20, y0 - 8) & 0xff), (100 + 49) * 160 / 255, 1);
    EXPECT_EQ(probe(x0 + 11, y0 - 8).alpha, 0);
    EXPECT_EQ(probe(x0 + 20, y0 - 15).alpha, 0);
    // Inside the first enemy left of the marker: the enemy itself, mirrored.
    EXPECT_EQ(probe(x0 + 6, y0 + 20).sprite, 52);
    EXPECT_EQ(probe(x0 + 6, y0 + 20).quarter, TOP_RIGHT);
    // Where the second enemy covers the first one's marker: the enemy.
    EXPECT_EQ(probe(x0 + 36, y0 + 20).sprite, 52);
    EXPECT_EQ(probe(x0 + 36, y0 + 20).quarter, TOP_LEFT);

    play.freeze_ticks = 0;
    draw();
    EXPECT_EQ(probe(x0 + 20, y0 - 8).alpha, 0);
}

TEST_F(Scene, GhostBobCarriesItsMarkerAndOnlyAShakingIcicleShakes)
{
    play.freeze_ticks = 1;
    // sin(0.07 x 22) is 1 to within 0.001: the ghost is 3 pixels lower.
    add_enemy(ENEMY_GHOST, 200.0f, 150.0f, 1).anim = 22;
    // sin(1.9 x 1) is 0.946: the shaking icicle is 2.08 pixels to the right.
    Enemy& icicle = add_enemy(ENEMY_ICICLE, 400.0f, 150.0f, 1);
    icicle.anim = 1;
    icicle.mode = 1;
    // A falling icicle does not shake.
    Enemy& falling = add_enemy(ENEMY_ICICLE, 550.0f, 150.0f, 1);
    falling.anim = 1;
    falling.mode = 2;
    draw();
    const int gx = 224, ix = 424, y0 = 198;
    EXPECT_EQ(probe(gx + 6, y0 + 1).alpha, 0);
    EXPECT_EQ(probe(gx + 6, y0 + 4).sprite, 58);
    EXPECT_EQ(probe(gx + 20, y0 - 13).alpha, 0);
    EXPECT_NEAR(probe(gx + 20, y0 - 9).alpha, 160, 1);

    EXPECT_EQ(probe(ix + 1, y0 + 20).alpha, 0);
    EXPECT_EQ(probe(ix + 3, y0 + 20).sprite, 90);
    EXPECT_EQ(probe(ix + 11, y0 - 8).alpha, 0);
    EXPECT_NEAR(probe(ix + 12, y0 - 8).alpha, 160, 1);

    const int fx = 574;
    EXPECT_EQ(probe(fx, y0 + 20).sprite, 89);
    EXPECT_EQ(probe(fx - 1, y0 + 20).alpha, 0);
}

// ---- Cells, items, caps and icicles ----

const FixtureLevel cell_fixture = {
    {
        "s.s.ss.sss.s.ss",
        "...............",
        "i.c.s.~........",
        "...............",
        ".....isi.....s.",
        ".....s.......s.",
        "s...........sss",
        "s..............",
        "...............",
        "...............",
        "...............",
        "s.s............",
    },
    {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    },
};

// Screen corner of a cell.
float cx(int c)
{
    return (float)(24 + 48 * c);
}
float cy(int r)
{
    return (float)(48 + 48 * r);
}

TEST_F(Scene, BlocksByCellCode)
{
    load(cell_fixture);
    draw();
    EXPECT_EQ(probe_box(cx(0), cy(2)).sprite, 29);
    EXPECT_EQ(probe_box(cx(2), cy(2)).sprite, 30);
    EXPECT_EQ(probe((int)cx(4) + 12, (int)cy(2) + 30).sprite, 32);  // below its cap
    EXPECT_EQ(probe_box(cx(6), cy(2)).sprite, 88);
    EXPECT_EQ(probe_box(cx(8), cy(2)).alpha, 0);
}

// Caps reach 10 pixels above a stone; icicles hang from 4 pixels above its
// bottom edge. Probed at the middle of the cell across.
TEST_F(Scene, SnowCapsAndIciclesUnderStone)
{
    struct Case {
        const char* name;
        int r, c;
        int cap;     // -1: none
        int icicle;  // -1: none
    } cases[] = {
        {"stone in row 0, stone right", 0, 4, 103, 106},
        {"stone in row 0 between stones", 0, 8, 102, 106},
        {"stone in row 0, stone left", 0, 9, 104, 106},
        {"stone in row 0 alone", 0, 11, 105, 106},
        {"column 0 alone", 0, 0, 105, 106},
        {"column 14, stone left", 0, 14, 104, 106},
        {"ice on both sides does not join", 4, 6, 105, 107},
        {"stone over stone has no icicle", 4, 13, 105, -1},
        {"stone under stone has no cap", 5, 13, -1, -1},
        {"stone under ice has no cap", 5, 5, -1, 108},
        {"column 14 with stone left, under nothing", 6, 14, 104, 106},
        {"column 12 under nothing, stone right", 6, 12, 103, 106},
        {"column 0 over stone", 6, 0, 105, -1},
        {"column 0 under stone", 7, 0, -1, 107},
        {"row 11 never has an icicle", 11, 0, 105, -1},
    };
    load(cell_fixture);
    draw();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const int mid = (int)cx(k.c) + 20;
        const Probe cap = probe(mid, (int)cy(k.r) - 8);
        const Probe icicle = probe(mid, (int)cy(k.r) + 52);
        if (k.cap >= 0) {
            EXPECT_EQ(cap.sprite, k.cap);
        } else {
            EXPECT_TRUE(cap.sprite < 102 || cap.sprite > 105) << cap.sprite;
        }
        if (k.icicle >= 0) {
            EXPECT_EQ(icicle.sprite, k.icicle);
        } else {
            EXPECT_TRUE(icicle.sprite < 106) << icicle.sprite;
        }
    }
}

// Every shadow goes down before any block: the shadow of a stone reaches 2
// pixels into the stone above and 3 into the one on its left, and neither
// may show there.
TEST_F(Scene, ShadowsLieUnderEveryBlock)
{
    load(cell_fixture);
    draw();
    EXPECT_EQ(probe((int)cx(13) + 24, (int)cy(5) - 1).sprite, 32);
    EXPECT_EQ(probe((int)cx(12) + 46, (int)cy(6) + 24).sprite, 32);
    EXPECT_EQ(probe((int)cx(13) + 46, (int)cy(6) + 24).sprite, 32);
    // Beside and below a lone block the shadow shows.
    EXPECT_EQ(probe((int)cx(2) + 54, (int)cy(2) + 24).sprite, 101);
    EXPECT_EQ(probe((int)cx(2) + 24, (int)cy(2) + 54).sprite, 101);
}

struct ItemCase {
    const char* name;
    int item;
    int r, c;
    int32_t tick;
    int sprite;  // -1: nothing drawn
};

TEST_F(Scene, ItemSpritesAndPhases)
{
    const ItemCase cases[] = {
        {"fish", ITEM_FISH, 3, 3, 0, 39},
        {"goldfish", ITEM_GOLDFISH, 3, 3, 0, 40},
        {"crystal", ITEM_CRYSTAL, 3, 3, 0, 41},
        {"ruby", ITEM_RUBY, 3, 3, 0, 42},
        {"emerald", ITEM_EMERALD, 3, 3, 0, 43},
        {"snowballs", ITEM_SNOWBALLS, 3, 3, 0, 44},
        {"hourglass", ITEM_HOURGLASS, 3, 3, 0, 45},
        {"extra life", ITEM_LIFE, 3, 3, 0, 46},
        {"bell", ITEM_BELL, 3, 3, 0, 47},
        {"key at phase 0", ITEM_KEY, 0, 0, 0, 35},
        {"key at phase 10 by row and column", ITEM_KEY, 1, 1, 0, 36},
        {"key at phase 39", ITEM_KEY, 0, 0, 39, 38},
        {"key frames wrap after 4", ITEM_KEY, 0, 0, 40, 35},
        {"snowflake at phase 8", ITEM_SNOWFLAKE, 0, 0, 8, 49},
        {"snowflake at phase 28", ITEM_SNOWFLAKE, 2, 2, 8, 51},
        {"hidden fish", ITEM_HIDDEN | ITEM_FISH, 3, 3, 0, -1},
        {"hidden key", ITEM_HIDDEN | ITEM_KEY, 3, 3, 0, -1},
        {"code 12", 12, 3, 3, 0, -1},
        {"code 127", 127, 3, 3, 0, -1},
    };
    for (const ItemCase& k : cases) {
        SCOPED_TRACE(k.name);
        play = PlayState{};
        park_hero();
        play.tick = k.tick;
        play.items[k.r][k.c] = (uint8_t)k.item;
        draw();
        const Probe p = probe_box(cx(k.c), cy(k.r));
        EXPECT_EQ(p.sprite, k.sprite);
        if (k.sprite < 0) {
            EXPECT_EQ(p.alpha, 0);
        }
    }
}

TEST_F(Scene, ItemsOfAColumnBobTogether)
{
    struct Case {
        int c;
        int32_t tick;
        int shift;  // rows the item's top edge lies below the cell's
    } cases[] = {
        // 2 sin(0.08 x (t + 13c)): 0 at 0, 2 at 19.6, -2 at 58.9 ticks of phase.
        {0, 0, 0}, {0, 20, 1}, {0, 59, -2}, {1, 46, -2}, {1, 7, 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "column " << k.c << " tick " << k.tick);
        play = PlayState{};
        park_hero();
        play.tick = k.tick;
        play.items[4][k.c] = ITEM_FISH;
        play.items[7][k.c] = ITEM_BELL;
        draw();
        for (int r : {4, 7}) {
            const int top = (int)cy(r) + k.shift;
            const int x = (int)cx(k.c) + 10;
            EXPECT_EQ(probe(x, top - 1).alpha, 0) << "row " << r;
            EXPECT_NE(probe(x, top).sprite, -1) << "row " << r;
        }
    }
}

// One pass row by row, each cell's item before its block.
TEST_F(Scene, BobbingItemsCoverTheBlockAboveAndHideUnderTheBlockBelow)
{
    play.cells[3][0] = CELL_ICE;
    play.items[4][0] = ITEM_FISH;
    play.cells[5][0] = CELL_SLIPPERY;
    play.cells[4][2] = CELL_ICE;
    play.items[4][2] = ITEM_GOLDFISH;
    play.tick = 59;  // the items of column 0 are 2 pixels up
    draw();
    EXPECT_EQ(probe((int)cx(0) + 10, (int)cy(4) - 1).sprite, 39);
    EXPECT_EQ(probe_box(cx(2), cy(4)).sprite, 29);
    play.tick = 20;  // ... and here 2 pixels down
    draw();
    EXPECT_EQ(probe((int)cx(0) + 10, (int)cy(5)).sprite, 88);
}

TEST_F(Scene, SnowflakesTurnTogether)
{
    play.items[1][1] = ITEM_SNOWFLAKE;
    play.items[6][9] = ITEM_SNOWFLAKE;
    play.tick = 0;
    draw();
    EXPECT_EQ(probe_box(cx(1), cy(1)).quarter, TOP_LEFT);
    // 0.8 degrees per tick: 112 ticks turn them almost a quarter clockwise,
    // bringing the bottom-left quarter up to the top left.
    play.tick = 112;
    draw();
    EXPECT_EQ(probe((int)cx(1) + 10, (int)cy(1) + 14).quarter, BOTTOM_LEFT);
    EXPECT_EQ(probe((int)cx(9) + 10, (int)cy(6) + 14).quarter, BOTTOM_LEFT);
}

// ---- Portals and the door ----

TEST_F(Scene, PortalsShowOneFrameHalfTransparent)
{
    LevelRecord& level = level_table[0];
    level.portal_count = 4;
    const int cells[4][2] = {{1, 1}, {1, 13}, {9, 2}, {9, 12}};
    for (int i = 0; i < 4; i++) {
        level.portals[i].row = cells[i][0];
        level.portals[i].col = cells[i][1];
    }
    level.door_row = 6;
    level.door_col = 7;
    play.tick = 44;
    draw();
    for (const auto& cell : cells) {
        const uint32_t p = pixel((int)cx(cell[1]) + 12, (int)cy(cell[0]) + 12);
        EXPECT_NEAR((int)((p >> 8) & 0xff), 230, 1);
        EXPECT_NEAR((int)(p & 0xff), (100 + 73) * 230 / 255, 1);
    }
    // Fewer portals: only the first ones show.
    level.portal_count = 1;
    draw();
    EXPECT_NE(probe_box(cx(1), cy(1)).alpha, 0);
    EXPECT_EQ(probe_box(cx(13), cy(1)).alpha, 0);
    level.portal_count = 0;
    draw();
    EXPECT_EQ(probe_box(cx(1), cy(1)).alpha, 0);
}

TEST_F(Scene, DoorOpensWithTheKey)
{
    level_table[0].door_row = 6;
    level_table[0].door_col = 7;
    draw();
    EXPECT_EQ(probe_box(cx(7), cy(6)).sprite, 33);
    play.has_key = 1;
    draw();
    EXPECT_EQ(probe_box(cx(7), cy(6)).sprite, 34);
}

// The door covers a portal in its cell, and the shadow of a stone left of
// the door reaches over the door's left edge.
TEST_F(Scene, DoorLiesOverPortalsAndUnderShadows)
{
    LevelRecord& level = level_table[0];
    level.door_row = 6;
    level.door_col = 7;
    level.portal_count = 1;
    level.portals[0].row = 6;
    level.portals[0].col = 7;
    play.cells[6][6] = CELL_STONE;
    draw();
    EXPECT_EQ(probe((int)cx(7) + 24, (int)cy(6) + 24).sprite, 33);
    EXPECT_EQ(probe((int)cx(7) + 5, (int)cy(6) + 24).sprite, 101);
}

// ---- Snowballs, particles and pop-ups ----

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
    white_small_font();
    struct Case {
        int32_t ticks;
        int alpha;  // 0: not drawn
    } cases[] = {{50, 255}, {21, 255}, {20, 240}, {1, 12}, {0, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.ticks);
        play.popups[7] = Popup{300.0f, 200.0f, k.ticks, 250};
        draw();
        // Centred on the middle of the pop-up's box, top at the box's top.
        const uint32_t p = pixel(348, 252);
        EXPECT_NEAR((int)(p & 0xff), 0xff * k.alpha / 255, 1);
        EXPECT_NEAR((int)((p >> 8) & 0xff), 0xe2 * k.alpha / 255, 1);
        EXPECT_NEAR((int)((p >> 16) & 0xff), 0x78 * k.alpha / 255, 1);
    }
}

// Pop-up positions are cut to whole pixels before the text is placed.
TEST_F(Scene, PopupTextIsCentredOnTheBoxAndTruncated)
{
    white_small_font();
    play.popups[0] = Popup{300.9f, 200.9f, 30, 1000};
    draw();
    const int width = text_width("1000", 0);
    const int left = 348 - width / 2, top = 248;
    EXPECT_EQ(pixel(348, top - 1) & 0xffffff, 0u);
    EXPECT_EQ(pixel(348, top) & 0xffffff, 0x78e2ffu);
    EXPECT_EQ(pixel(left - 2, top + 10) & 0xffffff, 0u);
    EXPECT_EQ(pixel(left + 2, top + 10) & 0xffffff, 0x78e2ffu);
}

// ---- The order of the steps ----

// Everything stacked on one spot: each step covers the ones before it.
TEST_F(Scene, LaterStepsCoverEarlierOnes)
{
    white_small_font();
    const float x = 192.0f, y = 192.0f;  // cell (4, 4)
    const struct {
        const char* name;
        int sprite;  // on top once this layer is added; -2 the pop-up text
    } layers[] = {
        {"door", 33}, {"ice block", 29}, {"enemy", 52}, {"snowball", 68},
        {"hero", 0},  {"particle", 76},  {"pop-up", -2},
    };
    level_table[0].door_row = 4;
    level_table[0].door_col = 4;
    for (int n = 0; n < 7; n++) {
        SCOPED_TRACE(layers[n].name);
        switch (n) {
        case 1: play.cells[4][4] = CELL_ICE; break;
        case 2: add_enemy(ENEMY_SNOWMAN, x, y, 1); break;
        case 3: play.snowballs[0] = Snowball{1, x, y, 7.0f, 0}; break;
        case 4: play.hero_x = x; play.hero_y = y; break;
        case 5: play.particles[0] = Particle{1, PARTICLE_PUFF, x, y, 0}; break;
        case 6: play.popups[0] = Popup{x - 14.0f, y - 10.0f, 30, 5}; break;
        }
        draw();
        const int px = (int)x + 24 + 10, py = (int)y + 48 + 10;
        if (layers[n].sprite == -2)
            EXPECT_EQ(pixel(px, py) & 0xffffff, 0x78e2ffu);
        else
            EXPECT_EQ(probe(px, py).sprite, layers[n].sprite);
    }
}

TEST_F(Scene, DrawingChangesNeitherThePlayStateNorTheLevel)
{
    load(cell_fixture);
    level_table[0].portal_count = 2;
    level_table[0].door_row = 3;
    play.tick = 77;
    play.freeze_ticks = 5;
    for (int i = 0; i < MAX_ENEMIES; i++)
        add_enemy(i % 6, 30.0f * i, 20.0f * (i % 5), i % 2 ? 1 : -1).anim = i;
    play.snowballs[1] = Snowball{1, 10.0f, 10.0f, -7.0f, 3};
    play.particles[4] = Particle{1, PARTICLE_SHARDS, 50.0f, 50.0f, 8};
    play.popups[2] = Popup{20.0f, 20.0f, 12, 500};
    const PlayState before = play;
    const LevelRecord level_before = level_table[0];
    draw();
    EXPECT_EQ(memcmp(&before, &play, sizeof play), 0);
    EXPECT_EQ(memcmp(&level_before, &level_table[0], sizeof level_before), 0);
}

// A level index outside the table has no record to draw a door or portals
// from; the rest of the field is still drawn.
TEST_F(Scene, LevelIndexOutsideTheTableDrawsTheFieldWithoutDoor)
{
    play.cells[2][2] = CELL_STONE;
    level_table[0].door_row = 0;
    level_table[0].door_col = 0;
    draw();
    EXPECT_EQ(probe_box(cx(0), cy(0)).sprite, 33);
    for (int32_t index : {-1, (int32_t)MAX_LEVELS, 1 << 30}) {
        SCOPED_TRACE(index);
        play.level = index;
        draw();
        EXPECT_EQ(probe((int)cx(2) + 12, (int)cy(2) + 30).sprite, 32);
        EXPECT_EQ(probe_box(cx(0), cy(0)).alpha, 0);
    }
}

// ---- Reference pictures with the game's own art ----

// The scenes are drawn over a plain night-blue background: the theme
// pictures have tests of their own, and a plain backdrop keeps the
// references small and independent of the painted backgrounds.
class GoldenScene : public Scene {
protected:
    void SetUp() override
    {
        Scene::SetUp();
        load_textures(renderer);
        textures.background = texture(16, 16, std::vector<uint32_t>(16 * 16, 0xff331a0bu));
        background_theme = 0;
    }
    void TearDown() override
    {
        // Everything load_textures made goes with the renderer.
        textures.background = nullptr;
        Scene::TearDown();
    }
    // The screen's pixels inside a rectangle, as RGB bytes.
    std::vector<unsigned char> rgb(int x0, int y0, int w, int h)
    {
        std::vector<unsigned char> out;
        out.reserve((size_t)w * h * 3);
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++) {
                const uint32_t p = pixel(x, y);
                out.push_back(p & 0xff);
                out.push_back((p >> 8) & 0xff);
                out.push_back((p >> 16) & 0xff);
            }
        return out;
    }
    void expect_reference(const std::string& name, const std::vector<unsigned char>& picture, int w, int h)
    {
        expect_golden(name, picture, w, h);
    }
    void expect_screen(const std::string& name)
    {
        expect_reference(name, rgb(0, 0, W, H), W, H);
    }
};

// A level with every cell kind and every item, shown and hidden, stone
// standing alone and in rows, and ice under and over stone.
const FixtureLevel busy_level = {
    {
        "s.............s",
        "s.............s",
        "s..sss...ici..s",
        "s.............s",
        "s......~~~....s",
        "s.ss.........cs",
        "s...........iis",
        "s....sss......s",
        "s.............s",
        "s..ii.....s...s",
        "s.........ss..s",
        "sssssssssssssss",
    },
    {
        "...............",
        "...1.2.3.4.5...",
        "..........F....",
        "...6.7.8.9.b.k.",
        "...............",
        "...............",
        ".............!.",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    },
};

TEST_F(GoldenScene, BusyField)
{
    load(busy_level);
    LevelRecord& level = level_table[0];
    level.door_row = 10;
    level.door_col = 13;
    level.portal_count = 2;
    level.portals[0] = LevelPortal{8, 2, ENEMY_SNOWMAN, 5};
    level.portals[1] = LevelPortal{4, 12, ENEMY_BAT, 5};
    play.tick = 37;
    play.hero_x = 48.0f * 4;
    play.hero_y = 48.0f * 10;
    play.walking = 1;
    play.walk_distance = 30.0f;
    const struct {
        int kind, row, col, dir, anim, mode, fade_in;
    } enemies[] = {
        {ENEMY_SNOWMAN, 8, 4, 1, 3, 0, 0},   {ENEMY_SNOWMAN, 8, 8, -1, 17, 0, 0},
        {ENEMY_GHOST, 3, 2, 1, 11, 0, 0},    {ENEMY_GHOST, 6, 5, -1, 40, 0, 0},
        {ENEMY_BAT, 1, 6, 1, 5, 0, 0},       {ENEMY_BAT, 4, 11, -1, 25, 0, 0},
        {ENEMY_SPARK, 6, 1, -1, 12, 0, 0},   {ENEMY_ICICLE, 8, 6, 1, 7, 1, 0},
        {ENEMY_ICICLE, 3, 4, -1, 0, 0, 0},   {ENEMY_POLAR_BEAR, 10, 7, -1, 14, 0, 0},
        {ENEMY_POLAR_BEAR, 6, 9, 1, 6, 1, 0}, {ENEMY_SNOWMAN, 8, 2, 1, 0, 0, 30},
        {ENEMY_BAT, 4, 12, -1, 0, 0, 15},
    };
    for (const auto& k : enemies) {
        Enemy& e = add_enemy(k.kind, 48.0f * k.col, 48.0f * k.row, k.dir);
        e.anim = k.anim;
        e.mode = k.mode;
        e.fade_in = k.fade_in;
    }
    play.snowballs[0] = Snowball{1, 260.5f, 488.0f, 7.0f, 2};
    play.snowballs[2] = Snowball{1, 410.0f, 300.0f, -7.0f, 9};
    play.particles[0] = Particle{1, PARTICLE_PUFF, 96.0f, 96.0f, 8};
    play.particles[5] = Particle{1, PARTICLE_SHARDS, 528.0f, 240.0f, 20};
    play.popups[0] = Popup{336.0f, 150.0f, 45, 100};
    play.popups[3] = Popup{500.0f, 400.0f, 8, 2500};
    draw();
    expect_screen("busy-field");
}

// The key taken, the enemies frozen under their markers, the hero throwing.
TEST_F(GoldenScene, FrozenEnemiesAndOpenDoor)
{
    load(busy_level);
    level_table[0].door_row = 10;
    level_table[0].door_col = 13;
    play.has_key = 1;
    play.freeze_ticks = 300;
    play.tick = 100;
    play.hero_x = 48.0f * 11;
    play.hero_y = 48.0f * 9;
    play.facing = -1;
    play.action_cooldown = 10;
    for (int kind = 0; kind < 6; kind++) {
        Enemy& e = add_enemy(kind, 48.0f + 96.0f * kind, 48.0f * (kind % 2 ? 4 : 8), kind % 2 ? -1 : 1);
        e.anim = 10 * kind;
        e.mode = kind == ENEMY_ICICLE ? 1 : 0;
    }
    draw();
    expect_screen("frozen-open-door");
}

// The hero in each pose, side by side: a 64 x 96 piece of the screen around
// him for every pose.
TEST_F(GoldenScene, HeroPoses)
{
    struct Pose {
        uint32_t state;
        int32_t tick;
        int32_t cooldown;
        uint32_t crouching;
        uint32_t on_ground;
        float vy;
        float walk_distance;
        int32_t facing;
    } poses[] = {
        {STATE_PLAYING, 0, 0, 0, 1, 0.0f, 0.0f, 1},     {STATE_PLAYING, 20, 0, 0, 1, 0.0f, 0.0f, -1},
        {STATE_PLAYING, 0, 0, 0, 1, 0.0f, 10.0f, 1},    {STATE_PLAYING, 0, 0, 0, 1, 0.0f, 31.0f, 1},
        {STATE_PLAYING, 0, 0, 0, 0, -5.0f, 0.0f, 1},    {STATE_PLAYING, 0, 0, 0, 0, 5.0f, 0.0f, 1},
        {STATE_PLAYING, 0, 0, 1, 1, 0.0f, 0.0f, 1},     {STATE_PLAYING, 0, 12, 0, 1, 0.0f, 0.0f, 1},
        {STATE_PLAYING, 0, 5, 0, 1, 0.0f, 0.0f, -1},    {STATE_DYING, 12, 0, 0, 1, 0.0f, 0.0f, 1},
        {STATE_DYING, 30, 0, 0, 1, 0.0f, 0.0f, 1},      {STATE_LEVEL_DONE, 8, 0, 0, 1, 0.0f, 0.0f, 1},
        {STATE_LEVEL_DONE, 60, 0, 0, 1, 0.0f, 0.0f, 1},
    };
    const int PIECE_W = 64, PIECE_H = 96, COUNT = sizeof poses / sizeof poses[0];
    std::vector<unsigned char> strip((size_t)PIECE_W * COUNT * PIECE_H * 3);
    for (int n = 0; n < COUNT; n++) {
        const Pose& k = poses[n];
        play.state = k.state;
        play.tick = k.tick;
        play.action_cooldown = k.cooldown;
        play.crouching = k.crouching;
        play.on_ground = k.on_ground;
        play.hero_vy = k.vy;
        play.walking = k.walk_distance > 0.0f;
        play.walk_distance = k.walk_distance;
        play.facing = k.facing;
        play.hero_x = 336.0f;
        play.hero_y = 240.0f;
        draw();
        const std::vector<unsigned char> piece = rgb(360 - 8, 288 + 48 - PIECE_H, PIECE_W, PIECE_H);
        for (int y = 0; y < PIECE_H; y++)
            memcpy(&strip[((size_t)y * PIECE_W * COUNT + (size_t)n * PIECE_W) * 3], &piece[(size_t)y * PIECE_W * 3],
                   (size_t)PIECE_W * 3);
    }
    expect_reference("hero-poses", strip, PIECE_W * COUNT, PIECE_H);
}

}  // namespace
