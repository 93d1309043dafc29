#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gfx/picture_scale.h"
#include "app/paths.h"
#include "level/level_set.h"

namespace {

const char* const usage =
    "usage: zepo [--set easy|medium|hard|NAME] [--level NAME] [--software | --opengl]\n"
    "            [--scale 1..8] [--record [FILE] | --playdemo FILE | --timedemo FILE]\n"
    "            [--statdump FILE]\n"
    "       zepo --check [SET ...]\n"
    "       zepo --help | --version\n";

const char* const help =
    "Z.E.P.O.: a bird over one-screen levels drops droppings on the people below.\n"
    "\n"
    "  --set easy|medium|hard  start a new game of this level set at once (or NAME: a set of\n"
    "                          your own in maps/NAME/ of the player's data folder)\n"
    "  --level NAME            start it at this level (the set's first without it); F5 in\n"
    "                          the game reads the level's files again\n"
    "  --software              draw through the plain SDL path instead of OpenGL\n"
    "  --opengl                draw through OpenGL even when it is a software renderer\n"
    "                          (which otherwise gives way to the plain path when the\n"
    "                          picture is enlarged)\n"
    "  --scale N               show the picture N times as large (1 to 8; without it the\n"
    "                          largest the desktop allows)\n"
    "  --record [FILE]         record the game into a demo file (without FILE: into demos/\n"
    "                          of the player's data folder)\n"
    "  --playdemo FILE         watch a recorded demo (Escape ends it)\n"
    "  --timedemo FILE         replay a demo as fast as it goes and print the frame rate\n"
    "  --statdump FILE         write one line per level played (score, lives, won or lost)\n"
    "  --check [SET ...]       check the level sets (all without SET) and print each fault\n"
    "                          as FILE:LINE: what is wrong; no window is opened\n"
    "  --help                  print this help\n"
    "  --version               print the version\n"
    "\n"
    "The options are kept in $XDG_CONFIG_HOME/zepo (~/.config/zepo), the top ten, screenshots\n"
    "(F12) and demos in $XDG_DATA_HOME/zepo (~/.local/share/zepo). The game finds its data by\n"
    "itself; set ZEPO_DATA_DIR to use the data of another folder. Files named on the command\n"
    "line are relative to the folder the game is started in.\n";

// A recording without a file name goes to a new file in demos/ of the player's data folder.
std::string newRecording()
{
    const std::string folder = playerDataFile("demos");
    makeFolder(folder);
    const std::string file = numberedFile(folder, "demo", ".demo");
    std::printf("zepo: recording into %s\n", file.c_str());
    return file;
}

[[noreturn]] void answer(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
    std::exit(0);
}

[[noreturn]] void badArguments(const std::string& reason)
{
    std::fprintf(stderr, "zepo: %s\n%s", reason.c_str(), usage);
    std::exit(2);
}

}

CCommandLine parseCommandLine(int argc, char** argv)
{
    CCommandLine options;
    struct Valued
    {
        const char* flag;
        std::string CCommandLine::*field;
        bool isPath;
    };
    const Valued valued[] = {
        {"--set", &CCommandLine::levelSet, false},     {"--level", &CCommandLine::level, false},
        {"--record", &CCommandLine::record, true},     {"--playdemo", &CCommandLine::playDemo, true},
        {"--timedemo", &CCommandLine::timeDemo, true}, {"--statdump", &CCommandLine::statDump, true},
    };
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0)
            answer(std::string(usage) + "\n" + help);
        if (std::strcmp(argument, "--version") == 0)
            answer("zepo " ZEPO_VERSION "\n");
        if (std::strcmp(argument, "--software") == 0) {
            options.software = true;
            continue;
        }
        if (std::strcmp(argument, "--opengl") == 0) {
            options.openGl = true;
            continue;
        }
        if (std::strcmp(argument, "--scale") == 0) {
            const char* value = i + 1 < argc ? argv[++i] : "";
            char* end = nullptr;
            const long scale = std::strtol(value, &end, 10);
            if (*value == '\0' || *end != '\0' || scale < 1 || scale > maxForcedScale)
                badArguments(std::string("--scale needs a whole number from 1 to ") + std::to_string(maxForcedScale) +
                             ", not \"" + value + "\"");
            options.scale = static_cast<int>(scale);
            continue;
        }
        if (std::strcmp(argument, "--check") == 0) {
            options.check = true;
            while (i + 1 < argc && argv[i + 1][0] != '-')
                options.checkSets.push_back(argv[++i]);
            continue;
        }
        const bool valueFollows = i + 1 < argc && argv[i + 1][0] != '\0';
        if (std::strcmp(argument, "--record") == 0 && (!valueFollows || std::strncmp(argv[i + 1], "--", 2) == 0)) {
            options.record = newRecording();
            continue;
        }
        bool known = false;
        for (const Valued& option : valued) {
            if (std::strcmp(argument, option.flag) != 0)
                continue;
            if (!valueFollows)
                badArguments(std::string(option.flag) + " needs a value");
            options.*option.field = argv[++i];
            if (option.isPath)
                options.*option.field = fromStartingFolder(options.*option.field);
            known = true;
        }
        if (!known)
            badArguments(std::string("unknown argument ") + argument);
    }
    if (!options.levelSet.empty() && !isLevelSetName(options.levelSet))
        badArguments(options.levelSet + " is not a level set name (a folder name, without / or ..)");
    for (const std::string& name : options.checkSets)
        if (!isLevelSetName(name))
            badArguments(name + " is not a level set name (a folder name, without / or ..)");
    if (options.check && argc != 2 + static_cast<int>(options.checkSets.size()))
        badArguments("--check takes level set names and nothing else");
    if (options.software && options.openGl)
        badArguments("--software and --opengl exclude each other");
    int demoModes = !options.record.empty() + !options.playDemo.empty() + !options.timeDemo.empty();
    if (demoModes > 1)
        badArguments("--record, --playdemo and --timedemo exclude each other");
    if (options.startsAtLevel() && (!options.playDemo.empty() || !options.timeDemo.empty()))
        badArguments("a replayed demo starts where it was recorded: --set and --level go with --record");
    return options;
}
