#include <gtest/gtest.h>

#include <string>

#include "app/globals.h"
#include "options/option_file.h"
#include "options/options.h"
#include "support/scripted_input.h"
#include "support/test_support.h"

namespace {

class OptionFiles : public ::testing::Test
{
protected:
    OptionFiles()
    {
        audio.setSound(true);
        audio.setMusic(true);
        video.setFullscreen(false);
        defaultControlKeys();
        globals.setDifficulty(0);
        globals.hints = true;
    }
    ~OptionFiles() override
    {
        audio.setSound(true);
        audio.setMusic(true);
        video.setFullscreen(false);
        defaultControlKeys();
        globals.setDifficulty(0);
        globals.hints = true;
    }
    TempDir dir;
    ScopedChdir inDir{dir.path()};
    ScopedHome home{dir.path()};
    CAudioOptions& audio = CAudioOptions::instance();
    CVideoOptions& video = CVideoOptions::instance();
    CControlOptions& controls = CControlOptions::instance();
    CGlobals& globals = CGlobals::instance();
};

TEST_F(OptionFiles, WritesTheExactBytes)
{
    ASSERT_TRUE(audio.save());
    EXPECT_EQ(readFile(".config/zepo/audio.cfg"), "SOUND 1\nMUSIC 1");
    audio.setMusic(false);
    ASSERT_TRUE(audio.save());
    EXPECT_EQ(readFile(".config/zepo/audio.cfg"), "SOUND 1\nMUSIC 0");

    globals.setDifficulty(2);
    globals.hints = false;
    video.setFullscreen(true);
    ASSERT_TRUE(video.save());
    EXPECT_EQ(readFile(".config/zepo/video.cfg"), "FULLSCREEN 1\nDIF 2\nHINTS 0\n");

    ASSERT_TRUE(controls.save("controls.cfg"));
    EXPECT_EQ(readFile("controls.cfg"), "LEFT 97\nRIGHT 100\nUP 119\nDOWN 115\nSHOOT 32");
    EXPECT_FALSE(fileExists("controls.cfg.tmp"));
}

TEST_F(OptionFiles, TheBuiltInDefaultsAreTheDefaultFiles)
{
    EXPECT_EQ(audioOptionsText(CAudioOptions()), "SOUND 1\nMUSIC 1");
    EXPECT_EQ(controlOptionsText(CControlOptions()), "LEFT 97\nRIGHT 100\nUP 119\nDOWN 115\nSHOOT 32");
    EXPECT_FALSE(CVideoOptions().getFullscreen());
}

TEST_F(OptionFiles, MissingFilesKeepTheDefaults)
{
    audio.load();
    video.load();
    controls.load("controls.cfg");
    EXPECT_TRUE(audio.getSound());
    EXPECT_TRUE(audio.getMusic());
    EXPECT_FALSE(video.getFullscreen());
    EXPECT_EQ(globals.difficulty, 0u);
    EXPECT_EQ(controls.up, SDLK_w);
    EXPECT_EQ(controls.down, SDLK_s);
    EXPECT_EQ(controls.left, SDLK_a);
    EXPECT_EQ(controls.right, SDLK_d);
    EXPECT_EQ(controls.shoot, SDLK_SPACE);
}

TEST_F(OptionFiles, ValuesInHexOctalAndNonZero)
{
    dir.write(".config/zepo/audio.cfg", "SOUND 5\nMUSIC 0");
    audio.load();
    EXPECT_TRUE(audio.getSound());
    EXPECT_FALSE(audio.getMusic());
    dir.write("controls.cfg", "LEFT 276\nRIGHT 0x113\nUP 0421\nSHOOT 70000");
    controls.load("controls.cfg");
    EXPECT_EQ(controls.left, SDLK_LEFT);
    EXPECT_EQ(controls.right, SDLK_RIGHT);
    EXPECT_EQ(controls.up, SDLK_UP);
    EXPECT_EQ(controls.shoot, static_cast<Uint16>(70000));
    dir.write(".config/zepo/video.cfg", "FULLSCREEN 0\nDIF 1\nHINTS 0\n");
    video.load();
    EXPECT_EQ(globals.levelSet, "medium");
    EXPECT_FALSE(globals.hints);
}

TEST_F(OptionFiles, StrangeLinesAreIgnored)
{
    dir.write(".config/zepo/audio.cfg", "sound 0\nmusic 0\nSound 0");
    audio.load();
    EXPECT_TRUE(audio.getSound());    // keywords count only in capitals
    EXPECT_TRUE(audio.getMusic());
    dir.write(".config/zepo/video.cfg", "fullscreen 1\ndif 2\nhints 0\n");
    video.load();
    EXPECT_FALSE(video.getFullscreen());
    EXPECT_EQ(globals.difficulty, 0u);
    EXPECT_TRUE(globals.hints);

    dir.write(".config/zepo/audio.cfg", "sound 0\n\n   \nMUSIC\nSOUNDX 0\nMUSIC abc\nSOUND 0");
    audio.load();
    EXPECT_FALSE(audio.getSound());   // only the last, well-formed SOUND line counts
    EXPECT_FALSE(audio.getMusic());   // a malformed number reads as 0
    std::string longLine(10000, 'x');
    dir.write("controls.cfg", longLine + " 5\nLEFT 276\n" + std::string(5000, ' ') + "\nDOWN 274");
    controls.load("controls.cfg");
    EXPECT_EQ(controls.left, SDLK_LEFT);
    EXPECT_EQ(controls.down, SDLK_DOWN);
}

TEST_F(OptionFiles, ControlsRoundTrip)
{
    controls.left = SDLK_LEFT;
    controls.right = SDLK_RIGHT;
    controls.up = SDLK_UP;
    controls.down = SDLK_DOWN;
    controls.shoot = SDLK_RETURN;
    ASSERT_TRUE(controls.save("controls.cfg"));
    CControlOptions reread;
    reread.load("controls.cfg");
    EXPECT_EQ(reread.left, SDLK_LEFT);
    EXPECT_EQ(reread.right, SDLK_RIGHT);
    EXPECT_EQ(reread.up, SDLK_UP);
    EXPECT_EQ(reread.down, SDLK_DOWN);
    EXPECT_EQ(reread.shoot, SDLK_RETURN);
}

TEST_F(OptionFiles, AReplayLeavesThePlayersFilesAlone)
{
    dir.write(".config/zepo/audio.cfg", "SOUND 0\nMUSIC 0");
    keepPlayerFiles(true);
    audio.setSound(true);
    EXPECT_TRUE(audio.save());
    EXPECT_TRUE(controls.save("controls.cfg"));
    keepPlayerFiles(false);
    EXPECT_EQ(readFile(".config/zepo/audio.cfg"), "SOUND 0\nMUSIC 0");
    EXPECT_FALSE(fileExists("controls.cfg"));
    EXPECT_TRUE(audio.save());
    EXPECT_EQ(readFile(".config/zepo/audio.cfg"), "SOUND 1\nMUSIC 1");
}

TEST_F(OptionFiles, TheFirstSaveMakesThePrivateConfigFolderThatXdgConfigHomeNames)
{
    ASSERT_FALSE(fileExists(".config"));
    ASSERT_TRUE(video.save());
    EXPECT_EQ(fileMode(".config"), 0700u);
    EXPECT_EQ(fileMode(".config/zepo"), 0700u);
    EXPECT_EQ(readFile(".config/zepo/video.cfg"), "FULLSCREEN 0\nDIF 0\nHINTS 1\n");

    const std::string elsewhere = dir.file("xdg");
    ScopedVariable config("XDG_CONFIG_HOME", elsewhere.c_str());
    dir.write("xdg/zepo/audio.cfg", "SOUND 0\nMUSIC 1");
    audio.load();
    EXPECT_FALSE(audio.getSound());
    audio.setMusic(false);
    ASSERT_TRUE(audio.save());
    EXPECT_EQ(readFile(dir.file("xdg/zepo/audio.cfg")), "SOUND 0\nMUSIC 0");
    EXPECT_FALSE(fileExists(".config/zepo/audio.cfg"));
}

TEST_F(OptionFiles, AFileThatCannotBeWrittenLeavesTheOldOne)
{
    dir.write("sub/audio.cfg", "SOUND 0\nMUSIC 0");
    dir.write("a-file", "");
    CPlayerFile nowhere(dir.file("a-file/audio.cfg"));
    EXPECT_FALSE(nowhere.write("SOUND 1\nMUSIC 1"));
    CPlayerFile there(dir.file("sub/audio.cfg"));
    EXPECT_TRUE(there.write("SOUND 1\nMUSIC 1"));
    EXPECT_EQ(readFile(dir.file("sub/audio.cfg")), "SOUND 1\nMUSIC 1");
}

}
