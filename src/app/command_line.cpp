#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gfx/picture_scale.h"

namespace {

const char* const usage =
    "usage: zepo [--set easy|medium|hard] [--level NAME] [--software] [--scale 1..8]\n"
    "            [--record FILE | --playdemo FILE | --timedemo FILE] [--statdump FILE]\n";

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
    };
    const Valued valued[] = {
        {"--set", &CCommandLine::levelSet},       {"--level", &CCommandLine::level},
        {"--record", &CCommandLine::record},      {"--playdemo", &CCommandLine::playDemo},
        {"--timedemo", &CCommandLine::timeDemo},  {"--statdump", &CCommandLine::statDump},
    };
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--software") == 0) {
            options.software = true;
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
        bool known = false;
        for (const Valued& option : valued) {
            if (std::strcmp(argument, option.flag) != 0)
                continue;
            if (i + 1 >= argc || argv[i + 1][0] == '\0')
                badArguments(std::string(option.flag) + " needs a value");
            options.*option.field = argv[++i];
            known = true;
        }
        if (!known)
            badArguments(std::string("unknown argument ") + argument);
    }
    if (!options.levelSet.empty() && options.levelSet != "easy" && options.levelSet != "medium" &&
        options.levelSet != "hard")
        badArguments("unknown level set " + options.levelSet + " (easy, medium or hard)");
    int demoModes = !options.record.empty() + !options.playDemo.empty() + !options.timeDemo.empty();
    if (demoModes > 1)
        badArguments("--record, --playdemo and --timedemo exclude each other");
    if (options.startsAtLevel() && (!options.playDemo.empty() || !options.timeDemo.empty()))
        badArguments("a replayed demo starts where it was recorded: --set and --level go with --record");
    return options;
}
