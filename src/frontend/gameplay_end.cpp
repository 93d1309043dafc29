#include "frontend/gameplay_end.h"

#include "app/application.h"

void endGameplay(CApplication& app)
{
    for (const auto& state : app.states)
        if (state->getName() == "HRA" && !state->isInactive()) {
            app.leaveState("HRA");
            return;
        }
}
