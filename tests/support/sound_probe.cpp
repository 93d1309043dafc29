#include "support/sound_probe.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

#include "options/options.h"
#include "sound/sound_engine.h"
#include "support/test_support.h"

std::string toneWav(int samples)
{
    std::vector<int16_t> data(samples);
    for (int i = 0; i < samples; ++i)
        data[i] = static_cast<int16_t>((i % 50) * 20);
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string body(reinterpret_cast<const char*>(data.data()), data.size() * 2);
    return "RIFF" + le32(36 + body.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) +
           le32(44100) + le16(2) + le16(16) + "data" + le32(body.size()) + body;
}

namespace {

// The probed names by the length of their loaded tone.
std::map<Uint32, std::string>& probedLengths()
{
    static std::map<Uint32, std::string> lengths;
    return lengths;
}

bool isProbed(const std::string& name)
{
    for (const auto& entry : probedLengths())
        if (entry.second == name)
            return true;
    return false;
}

}

CSoundProbe::CSoundProbe(std::initializer_list<const char*> names)
{
    static bool opened = false;
    CSoundEngine& engine = CSoundEngine::instance();
    if (!opened) {
        engine.open();
        opened = true;
    }
    CAudioOptions::instance().setSound(true);
    TempDir dir;
    for (const char* name : names) {
        if (isProbed(name))
            continue;
        const std::string file = dir.write("tone.wav", toneWav(66150 + 500 * static_cast<int>(probedLengths().size())));
        Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
        if (!chunk) {
            ADD_FAILURE() << "the mixer cannot load the tone for " << name << ": " << Mix_GetError();
            continue;
        }
        probedLengths()[chunk->alen] = name;
        Mix_FreeChunk(chunk);
        engine.addSound(file, name);
        if (engine.soundEntries(name, true) != 1)
            ADD_FAILURE() << name << " is registered " << engine.soundEntries(name) << " times, loaded "
                          << engine.soundEntries(name, true) << " times";
    }
    silence();
}

CSoundProbe::~CSoundProbe()
{
    silence();
}

std::multiset<std::string> CSoundProbe::playing() const
{
    std::multiset<std::string> names;
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        if (!Mix_Playing(channel))
            continue;
        auto found = probedLengths().find(Mix_GetChunk(channel)->alen);
        names.insert(found == probedLengths().end() ? "an effect no probe registered" : found->second);
    }
    return names;
}

void CSoundProbe::silence() const
{
    Mix_HaltChannel(-1);
}
