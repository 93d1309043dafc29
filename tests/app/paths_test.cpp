#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "app/paths.h"
#include "support/test_support.h"

namespace {

class DataRoot : public ::testing::Test
{
protected:
    // A root with the data's marker file in it.
    std::string root(const std::string& name) const
    {
        dir.write(name + "/" + dataRootMarker, "<sprites/>");
        return dir.file(name);
    }
    TempDir dir;
    ScopedChdir inDir{dir.path()};
    ScopedVariable noChoice{"ZEPO_DATA_DIR", nullptr};
};

TEST_F(DataRoot, AnInstalledExecutableFindsShareGamesOfItsPrefix)
{
    const std::string executable = dir.write("prefix/games/zepo", "");
    root("prefix/share/games/zepo");
    root("cwd-data");
    EXPECT_EQ(firstDataRoot(dataRootPlaces(executable)), dir.file("prefix/share/games/zepo"));
}

TEST_F(DataRoot, TheChosenFolderComesFirstAndAWrongChoiceIsPassedOver)
{
    const std::string executable = dir.write("prefix/games/zepo", "");
    const std::string installed = root("prefix/share/games/zepo");
    const std::string chosen = root("mine");
    {
        ScopedVariable choice("ZEPO_DATA_DIR", chosen.c_str());
        EXPECT_EQ(firstDataRoot(dataRootPlaces(executable)), chosen);
    }
    {
        ScopedVariable relative("ZEPO_DATA_DIR", "mine");  // taken from the starting folder
        EXPECT_EQ(firstDataRoot(dataRootPlaces(executable)), dir.path() + "/mine");
    }
    ScopedVariable empty("ZEPO_DATA_DIR", dir.file("prefix").c_str());  // no data there
    EXPECT_EQ(firstDataRoot(dataRootPlaces(executable)), installed);
}

TEST_F(DataRoot, ABuildTreeExecutableFindsTheFolderItsMarkerNames)
{
    const std::string source = root("source/game");
    const std::string executable = dir.write("build/zepo", "");
    dir.write("build/zepo-data-folder", source + "\n");
    EXPECT_EQ(firstDataRoot(dataRootPlaces(executable)), source);
}

TEST_F(DataRoot, TheWorkingDirectoryComesLastAndNothingAnywhereIsEmpty)
{
    const std::string executable = dir.write("elsewhere/bin/zepo", "");
    const std::vector<CDataPlace> places = dataRootPlaces(executable);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].folder, dir.file("elsewhere/share/games/zepo"));
    EXPECT_EQ(places[1].folder, dir.path());
    EXPECT_EQ(firstDataRoot(places), "");
    root(".");
    EXPECT_EQ(firstDataRoot(dataRootPlaces(executable)), dir.path());
}

TEST(CommandLinePaths, RelativeOnesAreTakenFromTheStartingFolder)
{
    TempDir dir;
    ScopedChdir inDir(dir.path());
    EXPECT_EQ(fromStartingFolder("my.demo"), dir.path() + "/my.demo");
    EXPECT_EQ(fromStartingFolder("sub/../my.demo"), dir.path() + "/sub/../my.demo");
    EXPECT_EQ(fromStartingFolder("/tmp/my.demo"), "/tmp/my.demo");
}

class PlayerFolders : public ::testing::Test
{
protected:
    TempDir home;
    ScopedChdir inHome{home.path()};
    ScopedVariable homeVariable{"HOME", home.path().c_str()};
    ScopedVariable noConfig{"XDG_CONFIG_HOME", nullptr};
    ScopedVariable noData{"XDG_DATA_HOME", nullptr};
};

TEST_F(PlayerFolders, DefaultToDotConfigAndDotLocalShareOfHome)
{
    EXPECT_EQ(playerConfigFile("audio.cfg"), home.path() + "/.config/zepo/audio.cfg");
    EXPECT_EQ(playerDataFile("top10.bin"), home.path() + "/.local/share/zepo/top10.bin");
    EXPECT_FALSE(fileExists(home.path() + "/.config")) << "a folder is made on the first write only";
}

TEST_F(PlayerFolders, FollowAbsoluteXdgValuesAndIgnoreRelativeOnes)
{
    {
        ScopedVariable config("XDG_CONFIG_HOME", "/srv/conf");
        ScopedVariable data("XDG_DATA_HOME", "/srv/data/");
        EXPECT_EQ(playerConfigFolder(), "/srv/conf/zepo");
        EXPECT_EQ(playerDataFile("top10.bin"), "/srv/data//zepo/top10.bin");
    }
    ScopedVariable config("XDG_CONFIG_HOME", "conf");
    ScopedVariable data("XDG_DATA_HOME", "");
    EXPECT_EQ(playerConfigFolder(), home.path() + "/.config/zepo");
    EXPECT_EQ(playerDataFolder(), home.path() + "/.local/share/zepo");
}

TEST_F(PlayerFolders, WithoutAUsableHomeTheStartingFolderIsUsedAndSaidOnce)
{
    TempDir start;
    ScopedChdir inStart(start.path());
    ScopedVariable relativeHome("HOME", "me");
    testing::internal::CaptureStderr();
    EXPECT_EQ(playerConfigFile("audio.cfg"), start.path() + "/audio.cfg");
    {
        ScopedVariable noHome("HOME", nullptr);
        EXPECT_EQ(playerDataFile("top10.bin"), start.path() + "/top10.bin");
    }
    ScopedVariable missingHome("HOME", home.file("gone").c_str());
    EXPECT_EQ(playerDataFolder(), start.path());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("no usable home folder"), std::string::npos) << said;
    EXPECT_EQ(said.find("no usable home folder"), said.rfind("no usable home folder")) << said;
    {
        ScopedVariable xdg("XDG_CONFIG_HOME", home.path().c_str());  // an absolute XDG value needs no home
        EXPECT_EQ(playerConfigFolder(), home.path() + "/zepo");
    }
}

TEST(MakeFolder, MakesEveryMissingFolderPrivateAndLeavesExistingOnesAlone)
{
    TempDir dir;
    chmod(dir.path().c_str(), 0755);
    const std::string folder = dir.file("a/b/zepo");
    ASSERT_TRUE(makeFolder(folder));
    EXPECT_EQ(fileMode(dir.file("a")), 0700u);
    EXPECT_EQ(fileMode(folder), 0700u);
    EXPECT_EQ(fileMode(dir.path()), 0755u);
    EXPECT_TRUE(makeFolder(folder)) << "an existing folder is fine";

    ASSERT_TRUE(makeFolderFor(dir.file("c/top10.bin")));
    EXPECT_EQ(fileMode(dir.file("c")), 0700u);
    EXPECT_FALSE(fileExists(dir.file("c/top10.bin")));

    dir.write("file", "");
    EXPECT_FALSE(makeFolder(dir.file("file/zepo"))) << "a file stands where a folder should be";
    EXPECT_FALSE(makeFolder(""));
}

}
