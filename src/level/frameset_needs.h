#pragma once

#include <string>
#include <vector>

class CSprite;

// What the controllers ask of an entity's sprite: every frameset they select by name, the
// poses that must play once (the code waits for them to stop), and the frame "FRAME1" that
// the throwers and the water carrier select in every frameset. Besides these, every sprite
// needs the initial frameset of its catalogue row.

// The faults of the sprite an entity of that name carries; none when it has all it needs.
std::vector<std::string> spriteFaults(const std::string& entityName, const CSprite& sprite);
