#include "demo/demo_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

#include "demo/demo_bytes.h"
#include "level/level_set.h"
#include "options/option_file.h"

namespace {

constexpr std::size_t signatureLength = sizeof demoSignature - 1;
constexpr std::size_t eventFieldsSize = 12;
constexpr std::size_t highScoreEntries = 10;
constexpr std::size_t highScoreNameLength = 51;

// The fields of an event a demo keeps, whatever its type.
struct CEventFields
{
    Uint8 a = 0, b = 0;
    Uint16 sym = 0, mod = 0, unicode = 0, x = 0, y = 0;
};

CEventFields fieldsOf(const SDL_Event& event)
{
    CEventFields fields;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        fields.a = event.key.state;
        fields.sym = static_cast<Uint16>(event.key.keysym.sym);
        fields.mod = static_cast<Uint16>(event.key.keysym.mod);
        fields.unicode = event.key.keysym.unicode;
        break;
    case SDL_MOUSEMOTION:
        fields.a = event.motion.state;
        fields.x = event.motion.x;
        fields.y = event.motion.y;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        fields.a = event.button.button;
        fields.b = event.button.state;
        fields.x = event.button.x;
        fields.y = event.button.y;
        break;
    case SDL_ACTIVEEVENT:
        fields.a = event.active.gain;
        fields.b = event.active.state;
        break;
    case SDL_VIDEORESIZE:
        fields.x = static_cast<Uint16>(event.resize.w);
        fields.y = static_cast<Uint16>(event.resize.h);
        break;
    default:
        break;
    }
    return fields;
}

SDL_Event eventOf(Uint8 type, const CEventFields& fields)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    switch (type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        event.key.state = fields.a;
        event.key.keysym.sym = static_cast<SDLKey>(fields.sym);
        event.key.keysym.mod = static_cast<SDLMod>(fields.mod);
        event.key.keysym.unicode = fields.unicode;
        break;
    case SDL_MOUSEMOTION:
        event.motion.state = fields.a;
        event.motion.x = fields.x;
        event.motion.y = fields.y;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        event.button.button = fields.a;
        event.button.state = fields.b;
        event.button.x = fields.x;
        event.button.y = fields.y;
        break;
    case SDL_ACTIVEEVENT:
        event.active.gain = fields.a;
        event.active.state = fields.b;
        break;
    case SDL_VIDEORESIZE:
        event.resize.w = fields.x;
        event.resize.h = fields.y;
        break;
    default:
        break;
    }
    return event;
}

void appendText(std::string& out, const std::string& text)
{
    appendU8(out, static_cast<Uint8>(text.size()));
    out += text;
}

// A demo may start in a set of the player's: any folder name.
bool isLevelSet(const std::string& name)
{
    return name.empty() || isLevelSetName(name);
}

// A level name becomes part of file names: visible ASCII without path separators.
bool isLevelName(const std::string& name)
{
    for (char c : name)
        if (c <= ' ' || c > '~' || c == '/' || c == '\\')
            return false;
    return true;
}

bool parseHeader(CDemoByteReader& in, CDemoHeader& header, Uint32& frameCount, std::string& error)
{
    if (in.text(signatureLength) != demoSignature) {
        error = "not a demo file (it does not begin with ZEPODEMO)";
        return false;
    }
    Uint16 version = in.u16();
    if (!in.failed() && (version == 0 || version > demoFormatVersion)) {
        error = version == 0 ? std::string("unknown demo format version 0")
                             : "demo format version " + std::to_string(version) +
                                   " is newer than this game can replay (version " +
                                   std::to_string(demoFormatVersion) + ")";
        return false;
    }
    header.difficulty = in.u32();
    Uint8 hints = in.u8();
    header.up = in.u16();
    header.down = in.u16();
    header.left = in.u16();
    header.right = in.u16();
    header.shoot = in.u16();
    header.seed = in.u32();
    header.levelSet = in.text(in.u8());
    header.level = in.text(in.u8());
    const Uint8 entries = in.u8();
    for (Uint8 entry = 0; entry < entries && entry <= highScoreEntries && !in.failed(); ++entry) {
        CDemoHighScore score;
        score.name = in.text(in.u8());
        score.score = in.u32();
        header.highScores.push_back(score);
    }
    frameCount = in.u32();
    if (in.failed()) {
        error = "the demo ends inside its header (the file is truncated)";
        return false;
    }
    if (hints > 1) {
        error = "hints switch " + std::to_string(hints) + " is not 0 or 1";
        return false;
    }
    header.hints = hints != 0;
    if (header.difficulty > 2) {
        error = "difficulty " + std::to_string(header.difficulty) + " is not 0, 1 or 2";
        return false;
    }
    if (!isLevelSet(header.levelSet)) {
        error = "the level set's name is not a folder name";
        return false;
    }
    if (!isLevelName(header.level)) {
        error = "the start level's name holds characters no level name has";
        return false;
    }
    if (entries > highScoreEntries) {
        error = "the top-ten table holds " + std::to_string(entries) + " entries";
        return false;
    }
    for (const CDemoHighScore& score : header.highScores)
        if (score.name.size() > highScoreNameLength || score.name.find('\0') != std::string::npos) {
            error = "a name of the top-ten table is longer than " + std::to_string(highScoreNameLength) +
                    " bytes or holds a NUL";
            return false;
        }
    return true;
}

// Reads one frame's fields and steps over its polls, checking every event type.
bool parseFrame(CDemoByteReader& in, CDemoFrame& frame, std::string& problem)
{
    frame.duration = in.u16();
    frame.mouseButtons = in.u8();
    frame.mouseX = in.u16();
    frame.mouseY = in.u16();
    frame.pollCount = in.u32();
    frame.pollOffset = in.offset();
    for (Uint32 poll = 0; poll < frame.pollCount && !in.failed(); ++poll) {
        Uint8 type = in.u8();
        if (type >= SDL_NUMEVENTS) {
            problem = "holds an event of unknown type " + std::to_string(type);
            return false;
        }
        if (type == SDL_KEYDOWN || type == SDL_KEYUP) {
            in.skip(2);
            const Uint16 key = in.u16();
            if (!in.failed() && key >= SDLK_LAST) {
                problem = "holds a key event of unknown key " + std::to_string(key);
                return false;
            }
            in.skip(eventFieldsSize - 4);
        } else if (type != SDL_NOEVENT) {
            in.skip(eventFieldsSize);
        }
    }
    if (in.failed()) {
        problem = "is cut short (the file is truncated)";
        return false;
    }
    return true;
}

}

std::string encodeDemoHeader(const CDemoHeader& header, Uint32 frameCount)
{
    std::string out(demoSignature, signatureLength);
    appendU16(out, demoFormatVersion);
    appendU32(out, header.difficulty);
    appendU8(out, header.hints ? 1 : 0);
    for (Uint16 key : {header.up, header.down, header.left, header.right, header.shoot})
        appendU16(out, key);
    appendU32(out, header.seed);
    appendText(out, header.levelSet);
    appendText(out, header.level);
    appendU8(out, static_cast<Uint8>(header.highScores.size()));
    for (const CDemoHighScore& score : header.highScores) {
        appendText(out, score.name);
        appendU32(out, score.score);
    }
    appendU32(out, frameCount);
    return out;
}

void putFrameFields(std::string& out, std::size_t at, const CDemoFrame& frame)
{
    putU16(out, at, frame.duration);
    out[at + 2] = static_cast<char>(frame.mouseButtons);
    putU16(out, at + 3, frame.mouseX);
    putU16(out, at + 5, frame.mouseY);
    putU32(out, at + 7, frame.pollCount);
}

void appendDemoEvent(std::string& out, const SDL_Event& event)
{
    const CEventFields fields = fieldsOf(event);
    appendU8(out, event.type);
    appendU8(out, fields.a);
    appendU8(out, fields.b);
    for (Uint16 value : {fields.sym, fields.mod, fields.unicode, fields.x, fields.y})
        appendU16(out, value);
}

SDL_Event readDemoEvent(Uint8 type, CDemoByteReader& in)
{
    CEventFields fields;
    fields.a = in.u8();
    fields.b = in.u8();
    fields.sym = in.u16();
    fields.mod = in.u16();
    fields.unicode = in.u16();
    fields.x = in.u16();
    fields.y = in.u16();
    return eventOf(type, fields);
}

SDL_Event keptPartOf(const SDL_Event& event)
{
    return eventOf(event.type, fieldsOf(event));
}

bool parseDemo(std::string bytes, CDemo& demo, std::string& error)
{
    demo = CDemo();
    demo.bytes = std::move(bytes);
    CDemoByteReader in(demo.bytes);
    Uint32 frameCount = 0;
    if (!parseHeader(in, demo.header, frameCount, error))
        return false;
    // Never more room than the bytes could hold, whatever the count says.
    demo.frames.reserve(std::min<std::size_t>(frameCount, in.remaining() / demoFrameFieldsSize));
    for (Uint32 number = 1; number <= frameCount; ++number) {
        CDemoFrame frame;
        std::string problem;
        if (!parseFrame(in, frame, problem)) {
            error = "frame " + std::to_string(number) + " of " + std::to_string(frameCount) + " " + problem;
            return false;
        }
        demo.frames.push_back(frame);
    }
    if (in.remaining() > 0) {
        error = std::to_string(in.remaining()) + " bytes of unknown data follow the last frame";
        return false;
    }
    return true;
}

bool readDemoFile(const std::string& path, CDemo& demo, std::string& error)
{
    const std::string tooLarge = "the file is larger than any demo (" + std::to_string(demoSizeLimit >> 20) + " MiB)";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    // A file too large is refused at once; one that cannot tell its size stops being read just
    // beyond the limit.
    struct stat status;
    if (fstat(fileno(file), &status) == 0) {
        const char* problem = S_ISDIR(status.st_mode) ? std::strerror(EISDIR)
                              : S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) > demoSizeLimit
                                  ? tooLarge.c_str()
                                  : nullptr;
        if (problem) {
            error = problem;
            std::fclose(file);
            return false;
        }
    }
    std::string bytes;
    char chunk[65536];
    std::size_t got;
    while (bytes.size() <= demoSizeLimit && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    if (readFailed) {
        error = "the file cannot be read";
        return false;
    }
    if (bytes.size() > demoSizeLimit) {
        error = tooLarge;
        return false;
    }
    return parseDemo(std::move(bytes), demo, error);
}

bool writeDemoFile(const std::string& path, const CDemoHeader& header, Uint32 frameCount,
                   const std::string& frames)
{
    return replaceFile(path, encodeDemoHeader(header, frameCount) + frames);
}
