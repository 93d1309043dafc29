#pragma once

#include <initializer_list>
#include <set>
#include <string>

// A 16-bit mono WAV file at 22050 Hz of a quiet tone of that many samples.
std::string toneWav(int samples);

// Lets a check hear which effects the game plays: opens the sound engine on the dummy audio
// driver and registers under each effect name a tone of about three seconds (still playing when
// the check looks), each name's of its own length; once per name and program run, since the
// engine keeps what it registers. While it lives the sound switch is on; it silences every
// channel when it is made and when it goes.
class CSoundProbe
{
public:
    explicit CSoundProbe(std::initializer_list<const char*> names);
    ~CSoundProbe();
    CSoundProbe(const CSoundProbe&) = delete;
    CSoundProbe& operator=(const CSoundProbe&) = delete;

    // The probed effects playing now, each as often as it plays.
    std::multiset<std::string> playing() const;
    void silence() const;
};
