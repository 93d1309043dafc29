#include <gtest/gtest.h>

#include <string>

#include "gfx/sprite.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

const char* const frame = R"(<frameB name="FRAME1" x="0" y="0" w="8" h="8" delay="100" bX="1" bY="2" bW="3" bH="4"/>)";

class CollectionFile : public ::testing::Test
{
protected:
    std::string file(const std::string& body) { return dir.write("sprites.xml", body); }
    TempDir dir;
};

TEST_F(CollectionFile, ReadsSpritesFramesetsAndFramesInOrder)
{
    std::string path = file(std::string(R"(<kolekce>
        <sprite name="BIRD" src="missing.png">
          <frameset name="RIGHT">)") + frame + R"(
            <frameB name="FRAME2" x="-1" y="70000" w=" 12abc" h="x" delay="50" bX="0" bY="0" bW="0" bH="0"/>
          </frameset>
          <comment>ignored</comment>
          <frameset name="THROW" repeatAnimation="0">)" + frame + R"(</frameset>
          <frameset name="HIT" repeatAnimation="2">)" + frame + R"(</frameset>
          <frameset name="LOOP" repeatAnimation="1">)" + frame + R"(</frameset>
        </sprite>
        <other/>
        <sprite name="EMPTY" src="none.png"/>
      </kolekce>)");
    CSpriteCollection collection("kolekce");
    collection.load(path);
    ASSERT_EQ(collection.size(), 2u);
    const CSprite& bird = collection.at(0);
    EXPECT_EQ(bird.getName(), "BIRD");
    ASSERT_EQ(bird.framesetCount(), 4u);
    EXPECT_EQ(bird.framesetAt(0)->getName(), "RIGHT");
    EXPECT_TRUE(bird.framesetAt(0)->repeats());
    EXPECT_FALSE(bird.framesetAt(1)->repeats());
    EXPECT_FALSE(bird.framesetAt(2)->repeats());
    EXPECT_TRUE(bird.framesetAt(3)->repeats());
    EXPECT_EQ(bird.framesetAt(0)->getSource(), nullptr);  // a picture that cannot load is not fatal

    CSprite copy(bird);
    CFrameset* right = copy.getCurrentFrameset();
    ASSERT_EQ(right->frameCount(), 2u);
    SDL_Rect box = copy.currentBox();
    EXPECT_EQ(box.x, 1);
    EXPECT_EQ(box.y, 2);
    EXPECT_EQ(box.w, 3);
    EXPECT_EQ(box.h, 4);
    right->selectFrame("FRAME2");
    const CFrame* second = right->getCurrentFrame();
    EXPECT_EQ(second->x, 65535);
    EXPECT_EQ(second->y, 70000 - 65536);
    EXPECT_EQ(second->w, 12);
    EXPECT_EQ(second->h, 0);
    EXPECT_EQ(collection.at(1).framesetCount(), 0u);
}

TEST_F(CollectionFile, AFrameOrBoxOutsideItsImageEndsTheProgramNamingTheSprite)
{
    const std::string image = saveBmp(makeSurface(16, 16), dir.file("sheet.bmp"));
    auto collectionWith = [&](const std::string& frameAttributes) {
        return file("<kolekce><sprite name=\"BIRD\" src=\"" + image + "\"><frameset name=\"RIGHT\"><frameB name=\"F1\" " +
                    frameAttributes + " delay=\"100\"/></frameset></sprite></kolekce>");
    };
    CSpriteCollection fits("kolekce");
    fits.load(collectionWith(R"(x="8" y="0" w="8" h="16" bX="2" bY="0" bW="6" bH="16")"));
    EXPECT_EQ(fits.size(), 1u);

    const std::pair<const char*, const char*> cases[] = {
        {R"(x="10" y="0" w="8" h="8" bX="0" bY="0" bW="0" bH="0")",
         "The frame F1 of sprite BIRD \\(10, 0, 8 x 8\\) does not lie inside its image"},
        {R"(x="0" y="0" w="-8" h="8" bX="0" bY="0" bW="0" bH="0")", "\\(0, 0, 65528 x 8\\) does not lie inside"},
        {R"(x="0" y="0" w="8" h="8" bX="6" bY="0" bW="4" bH="8")",
         "The collision box of the frame F1 of sprite BIRD \\(6, 0, 4 x 8\\) does not lie inside the frame"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        CSpriteCollection collection("kolekce");
        const std::string path = collectionWith(c.first);
        EXPECT_EXIT(collection.load(path), ::testing::ExitedWithCode(255), "zepo: .*sprites.xml: .*" + std::string(c.second));
    }
}

TEST_F(CollectionFile, AnotherTopElementLoadsNothing)
{
    CSpriteCollection collection("kolekce");
    collection.load(file(R"(<sprites><sprite name="A" src="a.png"/></sprites>)"));
    EXPECT_EQ(collection.size(), 0u);
    EXPECT_EXIT(collection.createCopy("A"), ::testing::ExitedWithCode(255),
                "Cannot create sprite copy, sprite A not found!");
}

TEST_F(CollectionFile, StructuralErrorsEndTheProgramWithTheirMessage)
{
    struct Case
    {
        std::string body;
        std::string message;
    };
    const std::string attrs[] = {"name", "x", "y", "w", "h", "delay", "bX", "bY", "bW", "bH"};
    const std::string messages[] = {"Name", "X", "Y", "W", "H", "DELAY", "BX", "BY", "BW", "BH"};
    std::vector<Case> cases = {
        {R"(<kolekce><sprite src="a.png"/></kolekce>)", "Name not found near SPRITE tag!"},
        {R"(<kolekce><sprite name="A"/></kolekce>)", "Source graphics not found near FRAMESET tag!"},
        {R"(<kolekce><sprite name="A" src="a.png"><frameset/></sprite></kolekce>)",
         "Name not found near FRAMESET tag!"},
    };
    for (int i = 0; i < 10; ++i) {
        std::string element = "<frameB";
        for (int j = 0; j < 10; ++j)
            if (j != i)
                element += " " + attrs[j] + "=\"1\"";
        element += "/>";
        cases.push_back({R"(<kolekce><sprite name="A" src="a.png"><frameset name="F">)" + element +
                             "</frameset></sprite></kolekce>",
                         messages[i] + " not found near FRAMEB tag!"});
    }
    for (const Case& c : cases) {
        std::string path = file(c.body);
        CSpriteCollection collection("kolekce");
        EXPECT_EXIT(collection.load(path), ::testing::ExitedWithCode(255), "zepo: .*sprites.xml:[0-9]+: " + c.message)
            << c.body;
    }
}

TEST_F(CollectionFile, AMissingOrBrokenFileEndsTheProgram)
{
    CSpriteCollection collection("kolekce");
    std::string missing = dir.file("nothing.xml");
    EXPECT_EXIT(collection.load(missing), ::testing::ExitedWithCode(255), "File " + missing + " not found!");
    std::string broken = file("<kolekce><sprite name=\"A\" src=\"a.png\">");
    EXPECT_EXIT(collection.load(broken), ::testing::ExitedWithCode(255), "not found!");
}

}
