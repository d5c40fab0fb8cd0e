// The play scene: blocks, items, snow caps, icicles and shadows, the
// portals and the door.
#include "tests/scene/scene_fixture.h"

namespace {

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
        const uint32_t p = screen.pixel((int)cx(cell[1]) + 12, (int)cy(cell[0]) + 12);
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

}  // namespace
