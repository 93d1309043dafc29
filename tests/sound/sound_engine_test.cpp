#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/clock.h"
#include "app/globals.h"
#include "app/stav_hry.h"
#include "options/options.h"
#include "sound/sound_engine.h"
#include "support/test_support.h"

namespace {

// A short 16-bit mono WAV file of a quiet tone (half a second unless told otherwise), enough for the mixer to load and play.
std::string toneWav(int samples = 22050)
{
    std::vector<int16_t> data(samples);
    for (int i = 0; i < samples; ++i)
        data[i] = static_cast<int16_t>((i % 50) * 100);
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string body(reinterpret_cast<const char*>(data.data()), data.size() * 2);
    return "RIFF" + le32(36 + body.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) +
           le32(44100) + le16(2) + le16(16) + "data" + le32(body.size()) + body;
}

class SoundEngineTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { CSoundEngine::instance().open(); }
    SoundEngineTest()
    {
        Mix_HaltChannel(-1);
        CAudioOptions::instance().setSound(true);
        CAudioOptions::instance().setMusic(true);
    }
    ~SoundEngineTest() override
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        CAudioOptions::instance().setSound(true);
        CAudioOptions::instance().setMusic(true);
    }
    TempDir dir;
};

TEST_F(SoundEngineTest, PlaysByNameObeyingTheSoundSwitch)
{
    CSoundEngine& engine = CSoundEngine::instance();
    engine.addSound(dir.write("tone.wav", toneWav()), "TONE");
    ASSERT_EQ(engine.soundEntries("TONE", true), 1);

    CAudioOptions::instance().setSound(false);
    engine.playSound("TONE");
    EXPECT_EQ(Mix_Playing(-1), 0);

    CAudioOptions::instance().setSound(true);
    engine.playSound("TONE");
    EXPECT_EQ(Mix_Playing(-1), 1);
    engine.stopAllSounds();
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundEngineTest, DuplicateNamesPlayEveryEntryAndUnknownNamesNothing)
{
    CSoundEngine& engine = CSoundEngine::instance();
    std::string file = dir.write("twice.wav", toneWav());
    engine.addSound(file, "TWICE");
    engine.addSound(file, "TWICE");
    engine.playSound("TWICE");
    EXPECT_EQ(Mix_Playing(-1), 2);
    engine.stopAllSounds();
    engine.playSound("NOBODY");
    engine.playSound("twice");
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundEngineTest, AFileThatFailsToLoadIsKeptAsSilence)
{
    CSoundEngine& engine = CSoundEngine::instance();
    engine.addSound(dir.file("missing.wav"), "MISSING");
    engine.addMusic(dir.file("missing.ogg"), "MISSINGTRACK");
    EXPECT_EQ(engine.soundEntries("MISSING"), 1);
    EXPECT_EQ(engine.soundEntries("MISSING", true), 0);
    EXPECT_EQ(engine.musicEntries("MISSINGTRACK"), 1);
    engine.playSound("MISSING");
    engine.playMusic("MISSINGTRACK");
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(SoundEngineTest, AFolderOrAnOversizedFileIsKeptAsSilence)
{
    CSoundEngine& engine = CSoundEngine::instance();
    engine.addSound(makeOversized(dir.write("big.wav", toneWav())), "BIGSOUND");
    engine.addSound(dir.path(), "FOLDERSOUND");
    engine.addMusic(dir.path(), "FOLDERTRACK");
    EXPECT_EQ(engine.soundEntries("BIGSOUND"), 1);
    EXPECT_EQ(engine.soundEntries("BIGSOUND", true), 0);
    EXPECT_EQ(engine.soundEntries("FOLDERSOUND", true), 0);
    EXPECT_EQ(engine.musicEntries("FOLDERTRACK", true), 0);
}

TEST_F(SoundEngineTest, MusicObeysTheMusicSwitchAndUnknownNamesKeepTheTrack)
{
    CSoundEngine& engine = CSoundEngine::instance();
    engine.addMusic(dir.write("song.wav", toneWav()), "SONG");
    ASSERT_EQ(engine.musicEntries("SONG", true), 1);
    CAudioOptions::instance().setMusic(false);
    engine.playMusic("SONG");
    EXPECT_FALSE(Mix_PlayingMusic());
    CAudioOptions::instance().setMusic(true);
    engine.playMusic("SONG");
    EXPECT_TRUE(Mix_PlayingMusic());
    engine.playMusic("NO SUCH TRACK");
    EXPECT_TRUE(Mix_PlayingMusic());
    engine.stopMusic();
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(SoundEngineTest, TheGameRegistersItsSeventeenNames)
{
    CSoundEngine& engine = CSoundEngine::instance();
    engine.registerGameSounds();
    for (const char* name : {"LETS GO", "ZASAH1", "KATAPULT", "NADAVANI1", "NADAVANI2", "NADAVANI3", "SMICH",
                             "VITR", "ROCK", "TICK1", "TICK2", "BONUS"})
        EXPECT_EQ(engine.soundEntries(name), 1) << name;
    for (const char* name : {"MENU", "LETO", "ZIMA", "BOSS", "FINAL"})
        EXPECT_EQ(engine.musicEntries(name), 1) << name;
}

TEST(SoundWithoutDevice, TheGamePlaysOnInSilence)
{
    // In a child process of its own, started afresh: a child forked from this one would inherit
    // the engine that the other checks opened and filled, with sounds loaded on a device that
    // the child closes behind its back. There no driver can open a device: nothing ends the
    // program and every call is harmless.
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Mix_CloseAudio();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            CSoundEngine& engine = CSoundEngine::instance();
            engine.open();
            engine.registerGameSounds();
            engine.playSound("ZASAH1");
            engine.playMusic("LETO");
            engine.stopMusic();
            engine.stopAllSounds();
            const bool silentEntries = engine.soundEntries("ZASAH1") == 1 && engine.soundEntries("ZASAH1", true) == 0 &&
                                       engine.musicEntries("LETO") == 1 && engine.musicEntries("LETO", true) == 0;
            std::exit(silentEntries ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "zepo: no audio device .*: the game plays without sound");
    GTEST_FLAG_SET(death_test_style, style);
}

TEST_F(SoundEngineTest, EachGameEffectPlaysItsOwnFile)
{
    const std::pair<const char*, const char*> effects[] = {
        {"LETS GO", "uvod2.wav"},      {"ZASAH1", "zasah.wav"},         {"KATAPULT", "katapult.wav"},
        {"NADAVANI1", "nadavani1.wav"}, {"NADAVANI2", "nadavani2.wav"}, {"NADAVANI3", "nadavani3.wav"},
        {"SMICH", "smich.wav"},        {"VITR", "vitr.wav"},            {"ROCK", "bird_rock1.wav"},
        {"TICK1", "bird_tick1.wav"},   {"TICK2", "bird_tick2.wav"},     {"BONUS", "bird_bonus2.wav"}};
    std::vector<Uint32> lengths;
    int samples = 1000;
    for (const auto& [name, file] : effects) {
        Mix_Chunk* alone = Mix_LoadWAV(dir.write(std::string("data/sfx/") + file, toneWav(samples += 500)).c_str());
        ASSERT_NE(alone, nullptr) << file;
        lengths.push_back(alone->alen);
        Mix_FreeChunk(alone);
    }
    CSoundEngine& engine = CSoundEngine::instance();
    {
        ScopedChdir inGame(dir.path());
        engine.registerGameSounds();
    }
    for (size_t i = 0; i < std::size(effects); ++i) {
        engine.playSound(effects[i].first);
        ASSERT_EQ(Mix_Playing(-1), 1) << effects[i].first;
        for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel)
            if (Mix_Playing(channel))
                EXPECT_EQ(Mix_GetChunk(channel)->alen, lengths[i]) << effects[i].first << " plays another file";
        engine.stopAllSounds();
    }
}

TEST_F(SoundEngineTest, EachTrackNamePlaysItsOwnFile)
{
    const std::pair<const char*, const char*> tracks[] = {
        {"MENU", "bird00.ogg"}, {"LETO", "bird01.ogg"}, {"ZIMA", "bird02.ogg"}, {"BOSS", "bird03.ogg"},
        {"FINAL", "bird04.ogg"}};
    CSoundEngine& engine = CSoundEngine::instance();
    auto playing = [&] {
        std::vector<std::string> names;
        for (const auto& [name, file] : tracks) {
            engine.playMusic(name);
            if (Mix_PlayingMusic())
                names.push_back(name);
            engine.stopMusic();
        }
        return names;
    };
    ASSERT_TRUE(playing().empty()) << "a track of the game's names was registered before";
    // Round by round the game registers its sounds where only one more of the track files is
    // there: exactly the names of the files there so far play.
    std::vector<std::string> expected;
    for (const auto& [name, file] : tracks) {
        TempDir round;
        std::filesystem::create_directories(round.file("data/sfx"));
        std::filesystem::copy_file(std::string(ZEPO_GAME_DIR) + "/data/sfx/bird02.ogg",
                                   round.file(std::string("data/sfx/") + file));
        {
            ScopedChdir inGame(round.path());
            engine.registerGameSounds();
        }
        expected.push_back(name);
        EXPECT_EQ(playing(), expected) << "with " << file;
    }
}

TEST_F(SoundEngineTest, TheWindHowlsWhenItsNewStrengthPassesOneAndAHalfEitherWay)
{
    CSoundEngine& engine = CSoundEngine::instance();
    engine.addSound(dir.write("gust.wav", toneWav()), "VITR");
    CGlobals& globals = CGlobals::instance();
    CVirtualClock clock{5000};
    CScopedClock installed{&clock};
    const int maxWind = globals.maxWind;
    globals.maxWind = 40;  // -2.0 .. 1.9
    std::srand(11);
    globals.windTimer->expired();
    std::set<int> howled, quiet;
    for (int i = 0; i < 2000; ++i) {
        clock.advance(5000);
        globals.stepWind();
        const int tenths = static_cast<int>(std::lround(globals.wind * 10));
        (Mix_Playing(-1) > 0 ? howled : quiet).insert(tenths);
        engine.stopAllSounds();
    }
    globals.maxWind = maxWind;
    globals.wind = 0;
    EXPECT_EQ(howled, (std::set<int>{-20, -19, -18, -17, -16, 16, 17, 18, 19}));
    EXPECT_EQ(quiet.size(), 31u);
    EXPECT_EQ(*quiet.begin(), -15);
    EXPECT_EQ(*quiet.rbegin(), 15);
}


// A state that does nothing: enough for the application to switch to it.
class CQuietState : public CStavHry
{
public:
    explicit CQuietState(const std::string& stateName) : CStavHry(stateName) {}
    void enter(CApplication*) override { activate(); }
    void frame() override {}
    void leave() override { deactivate(); }
};

TEST_F(SoundEngineTest, SwitchingStatesCutsOffEveryEffect)
{
    CSoundEngine& engine = CSoundEngine::instance();
    const std::string file = dir.write("long.wav", toneWav(220500));
    for (int i = 0; i < 3; ++i)
        engine.addSound(file, "LONG");
    CApplication app;
    app.addState(std::make_unique<CQuietState>("HRA"));
    app.addState(std::make_unique<CQuietState>("PAUZA"));
    engine.playSound("LONG");
    ASSERT_EQ(Mix_Playing(-1), 3);
    app.switchTo("PAUZA");
    EXPECT_EQ(Mix_Playing(-1), 0);
    engine.playSound("LONG");
    app.switchTo("PAUZA");  // even to the state it is in
    EXPECT_EQ(Mix_Playing(-1), 0);
}

}
