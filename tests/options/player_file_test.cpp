#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "options/option_file.h"
#include "options/options.h"
#include "full_disk.h"
#include "options/player_file.h"
#include "support/scripted_input.h"
#include "support/test_support.h"

namespace {

class PlayerFiles : public ::testing::Test
{
protected:
    ~PlayerFiles() override
    {
        controls.load(dir.file("none.cfg"));
        defaultControlKeys();
    }
    TempDir dir;
    CControlOptions& controls = CControlOptions::instance();
};

// Anything at the path, a link too (fileExists follows links).
bool anythingAt(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

const char* const playersKeys = "LEFT 276\nRIGHT 275\nUP 273\nDOWN 274\nSHOOT 306";

TEST_F(PlayerFiles, AFileThatCannotBeReadIsNeverWrittenOver)
{
    const std::string path = dir.write("controls.cfg", playersKeys);
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    {
        AsAnotherUser nobody;
        testing::internal::CaptureStderr();
        controls.load(path);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("zepo: " + path + ": cannot be read ("), std::string::npos) << said;
    }
    EXPECT_EQ(controls.file().state(), CPlayerFile::EState::Unreadable);
    EXPECT_EQ(controls.left, SDLK_a);  // the defaults are played with
    EXPECT_EQ(controls.file().readNote(), "controls.cfg nelze precist: plati vychozi hodnoty");

    controls.left = SDLK_j;
    EXPECT_FALSE(controls.save(path));
    EXPECT_EQ(controls.file().saveNote(), "controls.cfg nelze ulozit: nelze ho precist");
    EXPECT_EQ(readFile(path), playersKeys);
    EXPECT_FALSE(fileExists(path + ".tmp"));
    EXPECT_FALSE(fileExists(path + ".damaged"));
}

TEST_F(PlayerFiles, AFolderInTheFilesPlaceIsLeftAlone)
{
    dir.write("controls.cfg/inside", "x");
    controls.load(dir.file("controls.cfg"));
    EXPECT_EQ(controls.file().state(), CPlayerFile::EState::Unreadable);
    EXPECT_FALSE(controls.save(dir.file("controls.cfg")));
    EXPECT_EQ(readFile(dir.file("controls.cfg/inside")), "x");
}

TEST_F(PlayerFiles, ADamagedFileIsSetAsideByTheFirstSaveAndNeverLost)
{
    const std::string junk = std::string("LEFT 276\n\x01\x02\xff", 12) + std::string(40, '\0');
    const std::string path = dir.write("controls.cfg", junk);
    dir.write("controls.cfg.damaged", "an older one");
    LogCapture log;
    controls.load(path);
    EXPECT_EQ(controls.file().state(), CPlayerFile::EState::Damaged);
    EXPECT_EQ(controls.left, SDLK_a);  // nothing of a damaged file is taken
    EXPECT_EQ(controls.file().readNote(), "controls.cfg je poskozeny: plati vychozi hodnoty");
    EXPECT_EQ(readFile(path), junk);  // reading never writes

    ASSERT_TRUE(controls.save(path));
    EXPECT_EQ(readFile(path), controlOptionsText(controls));
    EXPECT_EQ(readFile(path + ".damaged"), "an older one");
    EXPECT_EQ(readFile(path + ".damaged.2"), junk);
    EXPECT_TRUE(log.contains(path + ": the damaged file is kept as " + path + ".damaged.2"));

    ASSERT_TRUE(controls.save(path));  // the new file is the player's now
    EXPECT_FALSE(fileExists(path + ".damaged.3"));
}

TEST_F(PlayerFiles, AFileLargerThanAnyTheGameWritesIsDamaged)
{
    const std::string path = dir.write("controls.cfg", "LEFT 276\n");
    ASSERT_EQ(truncate(path.c_str(), CPlayerFile::sizeLimit + 1), 0);
    controls.load(path);
    EXPECT_EQ(controls.file().state(), CPlayerFile::EState::Damaged);
    EXPECT_EQ(controls.left, SDLK_a);

    const std::string fine = dir.write("fine.cfg", "\xef\xbb\xbfLEFT 1\r\nRIGHT\t2\nUP 3\n");
    controls.load(fine);
    EXPECT_EQ(controls.file().state(), CPlayerFile::EState::Read);
    EXPECT_EQ(controls.up, 3);
}

TEST_F(PlayerFiles, AFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    const std::string path = dir.write("controls.cfg", playersKeys);
    controls.load(path);
    controls.left = SDLK_j;
    testing::internal::CaptureStderr();
    {
        FullDisk full(dir.path());
        EXPECT_FALSE(controls.save(path));
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("zepo: " + path + ": cannot be saved (No space left on device)"), std::string::npos) << said;
    EXPECT_EQ(controls.file().saveNote(), "controls.cfg nelze ulozit: plny disk");
    EXPECT_EQ(readFile(path), playersKeys);
    EXPECT_FALSE(fileExists(path + ".tmp"));
    EXPECT_EQ(controls.left, SDLK_j);  // the value chosen stays in force
}

// The temporary file of a save is made anew: a link planted at its name is removed, not written
// through, and a file left by a save that was cut short does not stop the next one.
TEST_F(PlayerFiles, ASaveNeverWritesThroughALinkAtItsTemporaryName)
{
    const std::string path = dir.write("controls.cfg", playersKeys);
    const std::string elsewhere = dir.write("elsewhere", "someone else's");
    ASSERT_EQ(symlink(elsewhere.c_str(), (path + ".tmp").c_str()), 0);
    controls.load(path);
    controls.left = SDLK_j;
    EXPECT_TRUE(controls.save(path));
    EXPECT_EQ(readFile(elsewhere), "someone else's");
    EXPECT_NE(readFile(path).find("LEFT 106\n"), std::string::npos) << readFile(path);
    EXPECT_FALSE(anythingAt(path + ".tmp"));

    dir.write("controls.cfg.tmp", "left by a save cut short");
    controls.left = SDLK_k;
    EXPECT_TRUE(controls.save(path));
    EXPECT_NE(readFile(path).find("LEFT 107\n"), std::string::npos) << readFile(path);
    EXPECT_FALSE(anythingAt(path + ".tmp"));

    const std::string dangling = dir.file("gone/nowhere");
    ASSERT_EQ(symlink(dangling.c_str(), (path + ".tmp").c_str()), 0);
    EXPECT_TRUE(controls.save(path));
    EXPECT_FALSE(fileExists(dangling));
}

TEST_F(PlayerFiles, AReadOnlyFolderFailsTheSave)
{
    const std::string path = dir.write("ro/controls.cfg", playersKeys);
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(dir.file("ro").c_str(), 0555), 0);
    controls.load(path);
    bool saved;
    {
        AsAnotherUser nobody;
        saved = controls.save(path);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(controls.file().saveNote(), "controls.cfg nelze ulozit: slozka jen pro cteni");
    EXPECT_EQ(readFile(path), playersKeys);
}

}
