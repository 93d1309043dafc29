#pragma once

#include <string>

class CMapEntity;

// The picture of an entity in the guide: the first frame of the initial frameset of its
// prototype, drawn by the game's own blit (the transparent colour left out) over a light
// backdrop, written by the game's PNG writer. Empty, and no file written, when that frame has no
// pixels. False, with the reason, when the file cannot be written.
bool writeFirstFrame(const CMapEntity& prototype, const std::string& path, bool& empty, std::string& error);
