#include "behaviour/level_loss.h"

#include "app/globals.h"

void loseLevel()
{
    CGlobals& globals = CGlobals::instance();
    if (!globals.levelWon || globals.levelOver)
        return;
    globals.levelOver = true;
    globals.levelWon = false;
    if (globals.lives > 0)
        --globals.lives;
}
