#pragma once

// A plain screen of the dummy video driver, without a window: the programs that only read the
// game's data (the data check, the entity catalogue) need one so that images are read into
// surfaces of the display's format. False when SDL cannot give it.
bool openHeadlessScreen();
