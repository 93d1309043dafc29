#include "support/test_world.h"

#include <set>
#include <vector>

#include "entity/entity_catalogue.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

struct FramesetName
{
    const char* name;
    bool repeat;
};

const FramesetName framesetNames[] = {
    {"RIGHT", true},       {"LEFT", true},        {"FALL", true},         {"THROW_LEFT", false},
    {"THROW_RIGHT", false}, {"HIT_LEFT", true},    {"HIT_RIGHT", true},    {"ANGRY_LEFT", true},
    {"ANGRY_RIGHT", true}, {"DESTROYED", true},   {"AKTIVNI", true},      {"FRAMESET1", true},
    {"AKTINI", true},      {"FRAMESET", true},    {"IDLE", true},         {"FIRE", false},
    {"EMPTY", true},       {"RELOAD", true},      {"BUCH", false},        {"INVISIBLE", true},
    {"VYKOUKNUTI", false}, {"HOD", true},         {"ZAKOUKNUTI", false},  {"VYLIT_LEFT", true},
    {"VYLIT_RIGHT", true},
};

std::unique_ptr<CFrameset> frameset(const std::string& name, bool repeat, int w, int h, bool box)
{
    auto set = std::make_unique<CFrameset>("test-sheet-that-does-not-exist.png", name, repeat);
    set->addFrame(std::make_unique<CFrame>("FRAME1", 0, 0, w, h, 100, 0, 0, box ? w : 0, box ? h : 0));
    return set;
}

std::unique_ptr<CSprite> catalogueSprite(const std::string& name, const std::string& initial)
{
    auto sprite = std::make_unique<CSprite>(name);
    sprite->addFrameset(frameset(initial, true, 10, 10, true));
    for (const FramesetName& set : framesetNames)
        if (initial != set.name)
            sprite->addFrameset(frameset(set.name, set.repeat, 10, 10, std::string(set.name) != "EMPTY"));
    return sprite;
}

std::unique_ptr<CSprite> plainSprite(const std::string& name, int w, int h, bool box)
{
    auto sprite = std::make_unique<CSprite>(name);
    sprite->addFrameset(frameset("FRAMESET1", true, w, h, box));
    return sprite;
}

}

void installTestWorld()
{
    static CSpriteCollection* collection = nullptr;
    if (collection)
        return;
    collection = new CSpriteCollection("kolekce");
    std::set<std::string> added;
    for (const CEntityRow& row : entityCatalogue)
        if (added.insert(row.sprite).second)
            collection->add(catalogueSprite(row.sprite, row.frameset));
    collection->add(plainSprite("BOX10", 10, 10, true));
    collection->add(plainSprite("NOBOX", 10, 10, false));
    collection->add(plainSprite("TALL", 10, 40, true));
    setSpriteCollection(collection);
    CMapEntityCollection::instance().registerCatalogue();
}

void addRedSprite()
{
    CSpriteCollection& sprites = *spriteCollection();
    if (sprites.find("RED10") >= 0)
        return;
    TempDir dir;  // the picture is loaded into the surface cache when the frameset is made
    SDL_Surface* sheet = makeSurface(10, 10);
    paint(sheet, 0, 0, 10, 10, 255, 0, 0);
    auto set = std::make_unique<CFrameset>(saveBmp(sheet, dir.file("red.bmp")), "FRAMESET1", true);
    set->addFrame(std::make_unique<CFrame>("FRAME1", 0, 0, 10, 10, 100, 0, 0, 10, 10));
    auto sprite = std::make_unique<CSprite>("RED10");
    sprite->addFrameset(std::move(set));
    sprites.add(std::move(sprite));
}

CTestEntity::CTestEntity(const std::string& spriteName, float x, float y, bool solid, Uint32 collisionClass,
                         Uint32 kind)
    : CMapEntity(x, y, solid)
{
    setName("TEST_" + spriteName);
    setSprite(spriteName);
    setCollisionClass(collisionClass);
    setKind(kind);
}

std::unique_ptr<CMapEntity> CTestEntity::clone() const
{
    return std::unique_ptr<CMapEntity>(new CTestEntity(*this));
}
