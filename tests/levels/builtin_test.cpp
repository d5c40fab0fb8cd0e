// The built-in level set: it parses cleanly, keeps every column of the level
// table the game was designed around, and each level is fair to start.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <vector>
#include <string>
#include "levels/levels.h"

namespace {

struct Hidden {
    int row, col;  // counted from 1, as in the level text
    int code;
};

struct PortalColumn {
    int row, col, kind, period;
};

struct LevelColumns {
    const char* name;
    const char* world;
    int time_limit;
    int enemies[6];  // snemand, spøgelse, flagermus, gnist, istap, isbjørn
    int door_row, door_col;
    std::vector<PortalColumn> portals;
    std::vector<Hidden> hidden;
};

const char* const juleaften = "Juleaften";
const char* const rige = "Julemandens rige";
const char* const gaarden = "Nissegården";

const LevelColumns columns[24] = {
    {"Julemanden over byen", juleaften, 90, {0, 0, 0, 0, 0, 0}, 12, 15, {}, {}},
    {"Nisserne bager", juleaften, 80, {2, 0, 0, 0, 0, 0}, 12, 15, {}, {}},
    {"Mad til fuglene", juleaften, 80, {0, 1, 0, 0, 2, 0}, 3, 8, {{1, 8, 1, 10}}, {}},
    {"Julemiddagen", juleaften, 75, {0, 0, 2, 0, 0, 0}, 10, 15, {}, {{5, 2, 1}, {5, 14, 1}, {8, 8, 11}}},
    {"På vej til kirke", juleaften, 90, {0, 0, 0, 3, 2, 0}, 1, 15, {}, {}},
    {"Mandelgaven", juleaften, 90, {2, 0, 2, 0, 2, 0}, 12, 15, {}, {}},
    {"Dansen om juletræet", juleaften, 100, {0, 0, 0, 0, 0, 0}, 12, 8, {{6, 3, 1, 12}, {6, 13, 2, 14}},
     {{2, 2, 4}, {2, 14, 4}}},
    {"Postbudet kommer", juleaften, 100, {0, 0, 0, 4, 2, 0}, 1, 8, {}, {}},
    {"Nissen i træskoen", juleaften, 90, {4, 0, 0, 0, 0, 0}, 12, 15, {}, {}},
    {"Julehjerter", juleaften, 120, {0, 2, 1, 0, 2, 0}, 1, 1, {{6, 8, 3, 15}}, {}},
    {"Kanen i måneskin", rige, 90, {0, 0, 0, 0, 0, 0}, 12, 15, {}, {}},
    {"Juletræet pyntes", rige, 90, {0, 0, 0, 0, 5, 0}, 12, 15, {}, {}},
    {"Gaverne pakkes op", rige, 100, {0, 0, 0, 0, 0, 3}, 12, 15, {}, {}},
    {"Et æble til rensdyret", rige, 100, {0, 2, 0, 0, 2, 0}, 1, 8, {}, {}},
    {"Nissernes værksted", rige, 100, {0, 0, 0, 0, 0, 1}, 1, 15, {}, {}},
    {"Legetøjsvinduet", rige, 130, {0, 0, 0, 2, 4, 2}, 12, 15, {}, {{5, 3, 2}}},
    {"Nisserne med kælken", gaarden, 110, {2, 0, 2, 0, 2, 0}, 1, 8, {}, {}},
    {"Juletræet hentes", gaarden, 110, {0, 0, 0, 2, 0, 0}, 11, 8, {{2, 7, 1, 9}, {2, 9, 2, 12}}, {}},
    {"I skoven efter juletræ", gaarden, 120, {2, 0, 0, 0, 2, 0}, 8, 14, {},
     {{2, 2, 2}, {2, 10, 8}, {3, 6, 11}, {3, 11, 7}, {11, 7, 4}}},
    {"Risengrød på loftet", gaarden, 110, {0, 0, 0, 0, 1, 2}, 2, 2, {}, {}},
    {"Nisserne i stalden", gaarden, 110, {0, 2, 0, 0, 4, 0}, 11, 8, {}, {}},
    {"Nissernes hule", gaarden, 120, {0, 0, 2, 2, 0, 0}, 12, 15, {{4, 2, 0, 10}, {4, 14, 2, 12}}, {}},
    {"Æbleskiver hos bedstemor", gaarden, 100, {2, 0, 0, 0, 3, 2}, 1, 8, {}, {}},
    {"Kælkebakken", gaarden, 120, {1, 2, 1, 0, 0, 1}, 1, 1, {{8, 8, 3, 10}}, {{3, 8, 11}}},
};

const char* builtin_text() { return reinterpret_cast<const char*>(builtin_level_text); }

class BuiltinLevels : public ::testing::Test {
protected:
    void SetUp() override
    {
        char message[256] = "";
        ASSERT_EQ(parse_levels(builtin_text(), message, sizeof message), 24) << message;
    }
};

TEST_F(BuiltinLevels, KeepTheColumnsOfTheLevelTable)
{
    for (int i = 0; i < 24; i++) {
        const LevelRecord& l = level_table[i];
        const LevelColumns& want = columns[i];
        SCOPED_TRACE("level " + std::to_string(i + 1));
        EXPECT_STREQ(l.name, want.name);
        EXPECT_STREQ(l.world, want.world);
        EXPECT_EQ(l.time_limit, want.time_limit);
        EXPECT_EQ(l.theme, i);
        int kinds[6] = {};
        for (int e = 0; e < l.enemy_count; e++)
            kinds[l.enemies[e].kind]++;
        for (int k = 0; k < 6; k++)
            EXPECT_EQ(kinds[k], want.enemies[k]) << enemy_names[k];
        EXPECT_EQ(l.door_row + 1, want.door_row);
        EXPECT_EQ(l.door_col + 1, want.door_col);
        EXPECT_EQ(l.hero_row + 1, i == 10 ? 11 : 12);
        EXPECT_EQ(l.hero_col, 0);
        ASSERT_EQ(l.portal_count, (int)want.portals.size());
        for (int p = 0; p < l.portal_count; p++) {
            EXPECT_EQ(l.portals[p].row + 1, want.portals[p].row);
            EXPECT_EQ(l.portals[p].col + 1, want.portals[p].col);
            EXPECT_EQ(l.portals[p].kind, want.portals[p].kind);
            EXPECT_EQ(l.portals[p].period_s, want.portals[p].period);
        }
        std::vector<Hidden> hidden;
        for (int r = 0; r < LEVEL_ROWS; r++)
            for (int c = 0; c < LEVEL_COLS; c++)
                if (l.items[r][c] & ITEM_HIDDEN)
                    hidden.push_back({r + 1, c + 1, l.items[r][c] & ITEM_CODE_MASK});
        ASSERT_EQ(hidden.size(), want.hidden.size());
        for (size_t h = 0; h < hidden.size(); h++) {
            EXPECT_EQ(hidden[h].row, want.hidden[h].row);
            EXPECT_EQ(hidden[h].col, want.hidden[h].col);
            EXPECT_EQ(hidden[h].code, want.hidden[h].code);
        }
    }
}

// What a player needs on every level: a visible key except where it is meant
// to be found in ice, hidden things in breakable ice, a door that stands on
// something and is not walled in, and no enemy next to the hero at the start.
TEST_F(BuiltinLevels, AreFairToStart)
{
    for (int i = 0; i < 24; i++) {
        const LevelRecord& l = level_table[i];
        SCOPED_TRACE("level " + std::to_string(i + 1));
        int visible_keys = 0, hidden_keys = 0;
        for (int r = 0; r < LEVEL_ROWS; r++)
            for (int c = 0; c < LEVEL_COLS; c++) {
                if (l.items[r][c] == ITEM_KEY)
                    visible_keys++;
                if (l.items[r][c] == (ITEM_HIDDEN | ITEM_KEY))
                    hidden_keys++;
                if (l.items[r][c] & ITEM_HIDDEN) {
                    EXPECT_EQ(l.cells[r][c], 1) << "hidden item at " << r + 1 << "," << c + 1;
                } else if (l.items[r][c]) {
                    EXPECT_EQ(l.cells[r][c], 0) << "visible item in a block at " << r + 1 << "," << c + 1;
                }
            }
        bool key_hidden = i == 3 || i == 18 || i == 23;
        EXPECT_EQ(visible_keys, key_hidden ? 0 : 1);
        EXPECT_EQ(hidden_keys, key_hidden ? 1 : 0);

        EXPECT_EQ(l.cells[l.door_row][l.door_col], 0);
        bool floor = l.door_row == LEVEL_ROWS - 1 || l.cells[l.door_row + 1][l.door_col] != 0;
        EXPECT_TRUE(floor) << "door without floor";
        EXPECT_EQ(l.cells[l.hero_row][l.hero_col], 0);

        for (int e = 0; e < l.enemy_count; e++) {
            int dr = l.enemies[e].row - l.hero_row, dc = l.enemies[e].col - l.hero_col;
            EXPECT_GT(dr * dr + dc * dc, 9) << "enemy " << e << " starts next to the hero";
        }
        for (int p = 0; p < l.portal_count; p++) {
            int dr = l.portals[p].row - l.hero_row, dc = l.portals[p].col - l.hero_col;
            EXPECT_GT(dr * dr + dc * dc, 9) << "portal " << p << " next to the hero";
        }
    }
}

TEST(BuiltinText, HasTheLayoutOfTheSet)
{
    const std::string text(builtin_text(), builtin_level_text_size);
    EXPECT_EQ(std::strlen(builtin_text()), text.size());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 469);
    EXPECT_EQ(text.find('\t'), std::string::npos);
    EXPECT_EQ(text.find(" \n"), std::string::npos);
    EXPECT_EQ(text.rfind("# Frostova – banerne\n", 0), 0u);
    const std::string level1 =
        "\n\n[bane 1]\nnavn Julemanden over byen\nverden Juleaften\ntid 90\ntema 0\nfelter\n"
        "...............\n...............\n...............\n...............\n.....f.f.f.....\n"
        "....sssssss....\n...............\n..........K....\n.........sss...\n...f...........\n"
        "..iii.......i..\nT.......c...i.D\n\n[bane 2]\n";
    EXPECT_NE(text.find(level1), std::string::npos);
    // Comments only in the header; each level's hidden items and portals follow its grid.
    size_t first_level = text.find("[bane 1]");
    EXPECT_EQ(text.find('#', first_level), std::string::npos);
}

}  // namespace
