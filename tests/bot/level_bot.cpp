// The level bot: plays every level of every set several times with different random seeds and
// reports, per set and level, the required score, the best and median score it reached, how
// often it won and the lives it lost. A level it never wins may be unwinnable; one it wins easily
// on "hard" may be too easy.
//
//     build/tests/zepo_level_bot [--profile default|human] [--set easy|medium|hard]...
//                                [--level NAME]... [--runs N] [--write FILE] [--require-a-win]
//     build/tests/zepo_level_bot --check-curve FILE
//
// --profile human plays like a person (late sight, reaction time, misjudged drops);
// --write puts the rows into the profile's section of a Markdown page (tools/levels/BOT_RESULTS.md
// is made so); --require-a-win ends with status 1 when a set is played without a single won
// level; --check-curve checks such a page against the difficulty curve without playing (status 1
// and a line per fault when it does not hold).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/paths.h"
#include "bot/bot_report.h"
#include "bot/difficulty_curve.h"
#include "bot/level_runner.h"
#include "bot/results_page.h"

namespace {

struct COptions
{
    std::vector<std::string> sets;
    std::vector<std::string> levels;
    unsigned runs = 5;
    std::string write;
    std::string checkCurve;
    EProfile profile = EProfile::Default;
    bool requireAWin = false;
};

[[noreturn]] void usage(const char* reason)
{
    std::fprintf(stderr, "zepo_level_bot: %s\nusage: zepo_level_bot [--profile default|human] [--set easy|medium|hard]... "
                         "[--level NAME]... [--runs N] [--write FILE] [--require-a-win]\n"
                         "       zepo_level_bot --check-curve FILE\n", reason);
    std::exit(2);
}

COptions parse(int argc, char** argv)
{
    COptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage((argument + " needs a value").c_str());
            return argv[++i];
        };
        if (argument == "--set") {
            options.sets.push_back(value());
            if (options.sets.back() != "easy" && options.sets.back() != "medium" && options.sets.back() != "hard")
                usage(("no level set " + options.sets.back()).c_str());
        } else if (argument == "--level") {
            options.levels.push_back(value());
        } else if (argument == "--runs") {
            options.runs = static_cast<unsigned>(std::atoi(value().c_str()));
            if (options.runs == 0)
                usage("--runs needs a number above 0");
        } else if (argument == "--write") {
            options.write = std::filesystem::absolute(value()).string();
        } else if (argument == "--profile") {
            const std::string name = value();
            if (name != "default" && name != "human")
                usage(("no profile " + name).c_str());
            options.profile = name == "human" ? EProfile::Human : EProfile::Default;
        } else if (argument == "--check-curve") {
            options.checkCurve = std::filesystem::absolute(value()).string();
        } else if (argument == "--require-a-win") {
            options.requireAWin = true;
        } else {
            usage(("unknown argument " + argument).c_str());
        }
    }
    if (options.sets.empty())
        options.sets = {"easy", "medium", "hard"};
    return options;
}

bool wanted(const COptions& options, const std::string& level)
{
    if (options.levels.empty())
        return true;
    for (const std::string& name : options.levels)
        if (name == level)
            return true;
    return false;
}

const char* endingWord(EEnding ending)
{
    switch (ending) {
    case EEnding::Won: return "won";
    case EEnding::Fell: return "lost, hit";
    case EEnding::Short: return "lost, time";
    case EEnding::Broke: return "lost, egg/heat";
    case EEnding::Unfinished: return "unfinished";
    }
    return "";
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int checkCurve(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "zepo_level_bot: cannot read %s\n", path.c_str());
        return 2;
    }
    const std::string page = readFile(path);
    const std::vector<std::string> faults =
        curveFaults(sectionRecords(page, EProfile::Human), sectionRecords(page, EProfile::Default));
    for (const std::string& fault : faults)
        std::printf("%s: %s\n", path.c_str(), fault.c_str());
    if (faults.empty())
        std::printf("%s: the difficulty curve holds\n", path.c_str());
    return faults.empty() ? 0 : 1;
}

}

// The bot plays with the default options and an empty top ten, in a scratch home of its own:
// nothing of the player's is read or written.
class CScratchHome
{
public:
    CScratchHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zepo-bot-home-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            folder = pattern;
        setenv("HOME", folder.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
    }
    ~CScratchHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

private:
    std::string folder;
};

int main(int argc, char** argv)
{
    COptions options = parse(argc, argv);
    if (!options.checkCurve.empty())
        return checkCurve(fromStartingFolder(options.checkCurve));
    options.write = fromStartingFolder(options.write);
    const CScratchHome home;
    if (chdir(ZEPO_GAME_DIR) != 0) {
        std::fprintf(stderr, "zepo_level_bot: cannot enter the game directory %s\n", ZEPO_GAME_DIR);
        return 2;
    }
    CLevelRunner runner;
    std::vector<CLevelRecord> records;
    bool wonEverySet = true;
    for (const std::string& set : options.sets) {
        const std::vector<std::string> levels = runner.levelsOf(set);
        if (levels.empty())
            std::fprintf(stderr, "zepo_level_bot: data/maps/%s/levellist.xml is missing\n", set.c_str());
        int wins = 0;
        for (const std::string& level : levels) {
            if (!wanted(options, level))
                continue;
            CLevelRecord record{set, level, {}};
            for (unsigned seed = 1; seed <= options.runs; ++seed) {
                record.runs.push_back(runner.play(set, level, seed, options.profile));
                const CRunResult& run = record.runs.back();
                std::fprintf(stderr, "%s %s seed %u: %s, %u of %u after %u s\n", set.c_str(), level.c_str(), seed,
                             endingWord(run.ending), run.score, run.required, run.seconds);
            }
            wins += record.wins();
            records.push_back(record);
        }
        wonEverySet = wonEverySet && wins > 0;
    }

    const std::string table = resultsTable(records);
    std::fputs(table.c_str(), stdout);
    if (!options.write.empty()) {
        const std::string page = resultsPage(readFile(options.write), options.profile, records);
        std::ofstream file(options.write);
        file << page;
        if (!file) {
            std::fprintf(stderr, "zepo_level_bot: cannot write %s\n", options.write.c_str());
            return 2;
        }
    }
    if (options.requireAWin && !wonEverySet) {
        std::fprintf(stderr, "zepo_level_bot: a level set was played without a single win\n");
        return 1;
    }
    return 0;
}
