#include "level/frameset_needs.h"

#include <algorithm>

#include "entity/entity_catalogue.h"
#include "gfx/sprite.h"

namespace {

struct CFramesetNeeds
{
    std::vector<std::string> entities;
    std::vector<std::string> framesets;
    std::vector<std::string> playOnce;
    bool frame1InEach;
};

const std::vector<std::string> throwerPoses = {"RIGHT",    "LEFT",      "THROW_LEFT", "THROW_RIGHT",
                                               "HIT_LEFT", "HIT_RIGHT", "ANGRY_LEFT", "ANGRY_RIGHT"};
const std::vector<std::string> throws = {"THROW_LEFT", "THROW_RIGHT"};

std::vector<std::string> with(std::vector<std::string> names, const std::string& more)
{
    names.push_back(more);
    return names;
}

const CFramesetNeeds framesetNeeds[] = {
    {{"PLAYER", "WINTERPLAYER", "DIDUDO", "BONUSDIDUDO"}, {"RIGHT", "LEFT", "FALL"}, {}, false},
    {{"CLOVEK1", "CLOVEK2", "CLOVEK3", "CLOVEK4", "CLOVEK5", "CLOVEK6", "WINTERCLOVEK1", "YETI", "VELBLOUD"},
     throwerPoses, throws, true},
    {{"BOSS1"}, with(throwerPoses, "DESTROYED"), throws, false},
    {{"NOSIC"}, {"RIGHT", "LEFT", "VYLIT_LEFT", "VYLIT_RIGHT", "ANGRY_LEFT", "ANGRY_RIGHT"}, {}, true},
    {{"SUP", "GOLDENSUP"}, {"RIGHT", "LEFT", "ANGRY_LEFT", "ANGRY_RIGHT"}, {}, false},
    {{"SKORPION"}, {"RIGHT", "ANGRY_RIGHT"}, {}, false},
    {{"KAMEN", "KAMEN2", "FLYINGBOY1", "KOULE", "KOULEUP", "PLANE", "SNOWBALL", "WINTERKOULE", "FALLINGWINTERKOULE",
      "MEGASNOWBALL", "SPOT", "DKOULE"},
     {"AKTIVNI", "FRAMESET1"}, {}, false},
    {{"ROGALO"}, {"FRAMESET1", "AKTIVNI", "EMPTY"}, {}, false},
    {{"KAPKA"}, {"AKTINI", "AKTIVNI", "FRAMESET1"}, {}, false},
    {{"BOSS2"}, {"FRAMESET1", "AKTIVNI", "DESTROYED"}, {}, false},
    {{"KANON2", "WINTERKANON2"}, {"FRAMESET", "FRAMESET1", "RELOAD"}, {}, false},
    {{"KATAPULT1"}, {"IDLE", "FIRE", "EMPTY"}, {"FIRE"}, false},
    {{"KATAPULT2"}, {"IDLE", "FRAMESET1"}, {"FRAMESET1"}, false},
    {{"PADAKBOBKY", "PADAKSTIT", "PADAKZIVOT", "PADAKGOODTIME", "PADAKBADTIME", "PADAKBAD", "PADAKSPEED", "PADAKSLOW",
      "PADAKSECRET", "PADAKLEVEL", "PADAKBOMB", "PADAKWING", "PADAKKING", "PADAKLAVINA"},
     {"FRAMESET1", "EMPTY"}, {}, false},
    {{"HYETILEFT", "HYETIRIGHT", "YETILEZICI"}, {"FRAMESET1", "BUCH"}, {"BUCH"}, false},
    {{"VYKUK"}, {"INVISIBLE", "VYKOUKNUTI", "HOD", "ZAKOUKNUTI"}, {"VYKOUKNUTI", "ZAKOUKNUTI"}, false},
};

bool hasFrame1(const CFrameset& frameset)
{
    CFrameset probe(frameset);
    return probe.selectFrame("FRAME1") >= 0;
}

}

std::vector<std::string> spriteFaults(const std::string& entityName, const CSprite& sprite)
{
    std::vector<std::string> faults;
    std::vector<std::string> needed;
    std::vector<std::string> once;
    bool frame1InEach = false;
    for (const CEntityRow& row : entityCatalogue)
        if (entityName == row.name)
            needed.push_back(row.frameset);
    for (const CFramesetNeeds& needs : framesetNeeds) {
        if (std::find(needs.entities.begin(), needs.entities.end(), entityName) == needs.entities.end())
            continue;
        needed.insert(needed.end(), needs.framesets.begin(), needs.framesets.end());
        once = needs.playOnce;
        frame1InEach = needs.frame1InEach;
    }

    std::vector<std::string> checked;
    for (const std::string& name : needed) {
        if (std::find(checked.begin(), checked.end(), name) != checked.end())
            continue;
        checked.push_back(name);
        const CFrameset* frameset = sprite.findFrameset(name);
        if (!frameset) {
            faults.push_back("no frameset " + name + " (frameset 0 is shown instead)");
            continue;
        }
        if (frameset->frameCount() == 0)
            faults.push_back("frameset " + name + " has no frames");
        if (frameset->repeats() && std::find(once.begin(), once.end(), name) != once.end())
            faults.push_back("frameset " + name + " loops, but the game waits for it to stop: it must play once");
    }
    if (frame1InEach)
        for (size_t i = 0; i < sprite.framesetCount(); ++i)
            if (!hasFrame1(*sprite.framesetAt(i)))
                faults.push_back("frameset " + sprite.framesetAt(i)->getName() + " has no frame FRAME1");
    return faults;
}
