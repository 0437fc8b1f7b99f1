#include "userdata/SpellingChoices.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

TEST(SpellingChoices, ReadFromTheTableAndWrittenBack)
{
    RomajiTable table = shippedTable(0);
    table.setSpelling(u"ち", u"chi"_qs);
    table.setSpelling(u"し", QString());   // a broken row offers no spelling
    table.setRow(299, {u"じ"_qs, u"ji"_qs});   // the last row with a kana decides
    SpellingChoices choices = ChoicesOfTable(table);
    EXPECT_EQ(choices.size(), 25);
    EXPECT_EQ(choices[0], 0);
    EXPECT_EQ(choices[1], 1);
    EXPECT_EQ(choices[4], 1);

    ApplySpellingChoices(table, choices);
    EXPECT_EQ(table.find(u"し"), u"si"_qs);
    EXPECT_EQ(table.find(u"じ"), u"ji"_qs);
    EXPECT_EQ(table.row(299).keys, u"ji"_qs);
}
