#include <gtest/gtest.h>
#include <cstring>
#include "levels/levels.h"

TEST(LevelNames, ItemAndEnemyNamesAreTheLevelTextWords)
{
    EXPECT_STREQ(item_names[11], "nøgle");
    EXPECT_STREQ(enemy_names[5], "isbjørn");
    EXPECT_EQ(std::strlen(item_names[0]), 0u);
}
