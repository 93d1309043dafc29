#include <cstdlib>

#include "app/application.h"
#include "app/command_line.h"
#include "demo/demo_session.h"
#include "gfx/video.h"

int main(int argc, char** argv)
{
    CCommandLine options = parseCommandLine(argc, argv);
    std::atexit(glSDL_Quit);
    CApplication* app = new CApplication(options);
    app->initialise();
    app->mainLoop();
    app->shutdown();
    const int status = app->demo && app->demo->failed() ? 1 : 0;
    delete app;
    return status;
}
