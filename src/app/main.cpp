#include <cstdlib>

#include "app/application.h"
#include "app/check_command.h"
#include "app/command_line.h"
#include "app/paths.h"
#include "demo/demo_session.h"
#include "gfx/video.h"

#ifdef ZEPO_SANITIZE
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv)
{
    CCommandLine options = parseCommandLine(argc, argv);
    enterDataRoot();
    if (options.check)
        return runLevelCheck(options.checkSets);
    std::atexit(glSDL_Quit);
#ifdef ZEPO_SANITIZE
    // The sanitizer build looks for leaks just before SDL unloads the OpenGL driver, while the
    // leaks the driver keeps to itself can still be named in the suppression file.
    std::atexit(__lsan_do_leak_check);
#endif
    CApplication* app = new CApplication(options);
    glSDL_ReportLeaks(false);
    app->initialise();
    app->mainLoop();
    app->shutdown();
    const int status = app->demo && app->demo->failed() ? 1 : 0;
    delete app;
    // Everything the game made is freed by now: what is left at exit is a leak.
    glSDL_ReportLeaks(true);
    return status;
}
