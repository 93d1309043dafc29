#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_page.h"

namespace {

const std::string begin = catalogueBegin;
const std::string end = catalogueEnd;

TEST(CatalogueDescriptions, MatchTheRegistryOneToOne)
{
    const std::vector<std::string> registry = {"PLAYER", "BOBEK", "KAMEN"};
    EXPECT_TRUE(descriptionFaults(registry, {{"KAMEN", "a stone"}, {"PLAYER", "the bird"}, {"BOBEK", "a dropping"}})
                    .empty());

    const std::vector<std::string> faults =
        descriptionFaults(registry, {{"PLAYER", "the bird"}, {"KAMEN", "a stone"}, {"KAMEN", "again"},
                                     {"CATAPULT1", "a sprite name, not an entity"}});
    const std::vector<std::string> expected = {
        "KAMEN is described more than once",
        "BOBEK is in the registry but has no description",
        "CATAPULT1 is described but is no entity of the registry",
    };
    EXPECT_EQ(faults, expected);
}

TEST(CatalogueDescriptions, NamesAreComparedWhole)
{
    const std::vector<std::string> faults = descriptionFaults({"KAMEN2"}, {{"KAMEN", "a stone"}});
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0], "KAMEN2 is in the registry but has no description");
    EXPECT_EQ(faults[1], "KAMEN is described but is no entity of the registry");
}

TEST(CatalogueTable, OneRowPerEntityWithItsPictureAndClass)
{
    const std::string table = catalogueTable({
        {"CLOVEK1", "CLOVEK1", "RIGHT", 3, "17 x 40 at 8, 6", "levels/entities/clovek1.png", "walks | throws"},
        {"VYKUK", "VYKUK", "INVISIBLE", 0, "none", "", "peeks\nout"},
    });
    EXPECT_EQ(table,
              "| Picture | Name | What it does | Collision class | Box | Sprite, first frameset |\n"
              "|---|---|---|---|---|---|\n"
              "| ![CLOVEK1](levels/entities/clovek1.png) | `CLOVEK1` | walks \\| throws | 3 hostile body | "
              "17 x 40 at 8, 6 | CLOVEK1, RIGHT |\n"
              "| (empty frame) | `VYKUK` | peeks out | 0 none | none | VYKUK, INVISIBLE |\n");
}

TEST(CatalogueTable, EveryCollisionClassHasItsWords)
{
    EXPECT_EQ(collisionClassText(0), "0 none");
    EXPECT_EQ(collisionClassText(1), "1 player");
    EXPECT_EQ(collisionClassText(2), "2 dropping");
    EXPECT_EQ(collisionClassText(3), "3 hostile body");
    EXPECT_EQ(collisionClassText(4), "4 harmful projectile");
    EXPECT_EQ(collisionClassText(5), "5 creature or scenery");
    EXPECT_EQ(collisionClassText(6), "6 unknown");
}

TEST(CatalogueInGuide, ReplacesOnlyTheTextBetweenTheMarkers)
{
    const std::string guide = "# Levels\n\nbefore\n" + begin + "| old | table |\n" + end + "after\n";
    std::string result, error;
    ASSERT_TRUE(replaceCatalogue(guide, "| new |\n", result, error)) << error;
    EXPECT_EQ(result, "# Levels\n\nbefore\n" + begin + "| new |\n" + end + "after\n");

    std::string again;
    ASSERT_TRUE(replaceCatalogue(result, "| new |\n", again, error)) << error;
    EXPECT_EQ(again, result);
}

TEST(CatalogueInGuide, RefusesAGuideWhoseMarkersAreLostRepeatedOrReversed)
{
    const std::vector<std::string> broken = {
        "# Levels\n",
        "# Levels\n" + begin + "| table |\n",
        begin + end + begin + end,
        end + "| table |\n" + begin,
    };
    for (const std::string& guide : broken) {
        std::string result = "untouched", error;
        EXPECT_FALSE(replaceCatalogue(guide, "| new |\n", result, error)) << guide;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(result, "untouched");
    }
}

}
