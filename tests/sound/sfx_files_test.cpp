#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace {

// The files of the game's sound table. Every one must load with the same calls the sound engine
// makes, so that no registered name is silently silent.
struct SoundFile
{
    const char* file;
    double longestSeconds;
};

const SoundFile kEffects[] = {
    {"uvod2.wav", 1.5},     {"zasah.wav", 0.7},      {"katapult.wav", 0.6},    {"nadavani1.wav", 1.3},
    {"nadavani2.wav", 1.0}, {"nadavani3.wav", 1.3},  {"smich.wav", 1.5},       {"vitr.wav", 2.0},
    {"bird_rock1.wav", 0.4}, {"bird_tick1.wav", 0.2}, {"bird_tick2.wav", 1.0}, {"bird_bonus2.wav", 0.6},
};

const char* const kTracks[] = {"bird00.ogg", "bird01.ogg", "bird02.ogg", "bird03.ogg", "bird04.ogg"};

std::string sfxPath(const char* file)
{
    return std::string(ZEPO_GAME_DIR) + "/data/sfx/" + file;
}

class SfxFilesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        if (!Mix_QuerySpec(&frequency, &format, &channels))
            ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024), 0) << Mix_GetError();
    }
};

TEST_F(SfxFilesTest, EveryEffectLoadsAsAChunkOfItsLength)
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    const double bytesPerSecond = frequency * channels * ((format & 0xFF) / 8);
    for (const SoundFile& effect : kEffects) {
        SCOPED_TRACE(effect.file);
        SDL_RWops* stream = SDL_RWFromFile(sfxPath(effect.file).c_str(), "rb");
        ASSERT_NE(stream, nullptr) << SDL_GetError();
        Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 1);
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        const double seconds = chunk->alen / bytesPerSecond;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LE(seconds, effect.longestSeconds + 0.01);
        int channel = Mix_PlayChannel(-1, chunk, 0);
        EXPECT_GE(channel, 0) << Mix_GetError();
        Mix_HaltChannel(-1);
        Mix_FreeChunk(chunk);
    }
}

TEST_F(SfxFilesTest, EveryTrackLoadsAndPlaysAsLoopingMusic)
{
    for (const char* track : kTracks) {
        SCOPED_TRACE(track);
        Mix_Music* music = Mix_LoadMUS(sfxPath(track).c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_PlayMusic(music, -1), 0) << Mix_GetError();
        EXPECT_EQ(Mix_PlayingMusic(), 1);
        Mix_HaltMusic();
        Mix_FreeMusic(music);
    }
}

}
