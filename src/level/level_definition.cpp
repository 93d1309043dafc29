#include "level/level_definition.h"

#include <tinyxml.h>

#include "app/fatal.h"
#include "app/xml_file.h"
#include "app/globals.h"
#include "app/text_number.h"

void readLevelDefinition(CLevelDefinition& level, const std::string& path)
{
    TiXmlDocument document;
    loadXmlFile(document, path);
    const TiXmlElement* element = document.FirstChildElement("level");
    if (!element)
        fatalErrorIn(path, "level tag not found in leveldef!");
    const char* tileDefFile = element->Attribute("tiledef");
    if (!tileDefFile)
        fatalErrorAt(path, element->Row(), "TILEDEF not found near LEVEL tag!");
    level.tileDefFile = tileDefFile;

    const char* name = element->Attribute("name");
    level.displayName = name ? name : "NO NAME";
    level.requiredScore = leadingCount(element->Attribute("score"));

    CGlobals& globals = CGlobals::instance();
    // A range below 1 is kept as it is: the wind step then leaves the level without wind.
    if (const char* maxWind = element->Attribute("maxWind"))
        globals.maxWind = leadingInt(maxWind);

    const char* music = element->Attribute("music");
    level.musicName = music ? music : "";

    delete globals.levelClock;
    globals.levelClock = nullptr;
    globals.timeLimit = 0;
    if (const char* time = element->Attribute("time")) {
        globals.timeLimit = leadingCount(time);
        globals.levelClock = new CTimer(globals.timeLimit);
        globals.levelClock->restart();
    }
    globals.stepWind();
}
