#include "app/screenshot.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/paths.h"
#include "gfx/png_file.h"
#include "gfx/video.h"

namespace {

// A screenshot that cannot get a name of its own after this many tries in one second is refused.
constexpr int maxAttempts = 1000;

void complain(const std::string& path, const std::string& reason)
{
    std::fprintf(stderr, "zepo: %s: cannot save the screenshot: %s\n", path.c_str(), reason.c_str());
}

}

std::string screenshotName(const std::tm& localTime, int attempt)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &localTime);
    std::string name = std::string("zepo-") + stamp;
    if (attempt > 1)
        name += "-" + std::to_string(attempt);
    return name + ".png";
}

std::string saveScreenshot(SDL_Surface* screen, const std::string& folder, std::time_t now)
{
    if (!makeFolder(folder)) {
        complain(folder, std::string("cannot make the folder: ") + std::strerror(errno));
        return "";
    }
    std::tm localTime = {};
    localtime_r(&now, &localTime);
    for (int attempt = 1; attempt <= maxAttempts; ++attempt) {
        const std::string path = folder + "/" + screenshotName(localTime, attempt);
        // "x": made here or not at all, so that no file is ever overwritten.
        std::FILE* file = std::fopen(path.c_str(), "wbx");
        if (!file && errno == EEXIST)
            continue;
        if (!file) {
            complain(path, std::strerror(errno));
            return "";
        }
        std::string error;
        const bool written = writePng(file, screen, error);
        if (std::fclose(file) != 0 && written)
            error = std::strerror(errno);
        if (!error.empty()) {
            complain(path, error);
            std::remove(path.c_str());
            return "";
        }
        return path;
    }
    complain(folder + "/" + screenshotName(localTime, 1), "too many screenshots in one second");
    return "";
}

void takeScreenshot()
{
    const std::string path = saveScreenshot(glSDL_GetVideoSurface(), playerDataFolder() + "/screenshots",
                                            std::time(nullptr));
    if (path.empty())
        return;
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
}
