#pragma once

#include <SDL.h>

#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "entity/map_entity.h"

// What a prototype does with the animation of its initial frameset when it is built.
enum class EPrototypeAnimation { Keep, Start, Stop };

// One row of the entity catalogue: every entity name of the game, in registration order.
struct CEntityRow
{
    const char* name;
    const char* sprite;
    const char* frameset;
    Uint32 kind;
    Uint32 collisionClass;
    bool solidPrototype;             // the prototype is registered solid
    EPrototypeAnimation animation;
    const char* spawnName;           // generator entities: the prototype they release
};

constexpr std::size_t entityCatalogueSize = 136;

inline constexpr CEntityRow entityCatalogue[entityCatalogueSize] = {
    {"PLAYER", "PLAYER", "RIGHT", 7, 1, false, EPrototypeAnimation::Start, nullptr},
    {"LITTLEBIRD", "LITTLEBIRD", "FRAMESET1", 8, 0, true, EPrototypeAnimation::Start, nullptr},
    {"APPLE", "APPLE", "FRAMESET1", 5, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"CLOVEK1", "CLOVEK1", "RIGHT", 2, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"CLOVEK2", "CLOVEK2", "RIGHT", 20, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"CLOVEK3", "CLOVEK3", "RIGHT", 38, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"CLOVEK4", "CLOVEK4", "RIGHT", 39, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"BOSS1", "BOSS1", "RIGHT", 40, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"BOBEK", "BOBEK", "FRAMESET1", 4, 2, false, EPrototypeAnimation::Keep, nullptr},
    {"KAMEN", "KAMEN", "AKTIVNI", 3, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"KAMEN2", "KAMEN2", "AKTIVNI", 29, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUS10", "BONUS10", "FRAMESET1", 9, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUS50", "BONUS50", "FRAMESET1", 10, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUS150", "BONUS150", "FRAMESET1", 11, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUS250", "BONUS250", "FRAMESET1", 31, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUS1000", "BONUS1000", "FRAMESET1", 43, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL2", "NASOBITEL2", "FRAMESET1", 12, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL3", "NASOBITEL3", "FRAMESET1", 13, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL4", "NASOBITEL4", "FRAMESET1", 44, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL5", "NASOBITEL5", "FRAMESET1", 94, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL6", "NASOBITEL6", "FRAMESET1", 95, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL7", "NASOBITEL7", "FRAMESET1", 96, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL8", "NASOBITEL8", "FRAMESET1", 97, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL9", "NASOBITEL9", "FRAMESET1", 98, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NASOBITEL10", "NASOBITEL10", "FRAMESET1", 99, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"TREE1", "TREE1", "FRAMESET1", 14, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"TREE2", "TREE2", "FRAMESET1", 15, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"TREE3", "TREE3", "FRAMESET1", 30, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"FLOWER1", "FLOWER1", "FRAMESET1", 16, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"FLOWER2", "FLOWER2", "FRAMESET1", 32, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"FLOWERS1", "FLOWERS1", "FRAMESET1", 33, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"FLOWERS2", "FLOWERS2", "FRAMESET1", 34, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NEST", "NEST", "FRAMESET1", 17, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"KATAPULT1", "CATAPULT1", "IDLE", 18, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"KATAPULT2", "CATAPULT2", "IDLE", 28, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"FLYINGBOY1", "FLYINGBOY", "FRAMESET1", 19, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"HRAD1", "HRAD1", "FRAMESET1", 21, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"HRAD2", "HRAD2", "FRAMESET1", 22, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"HRAD3", "HRAD3", "FRAMESET1", 23, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKBOBKY", "PADAKBOBKY", "FRAMESET1", 23, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKSTIT", "PADAKSTIT", "FRAMESET1", 24, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKZIVOT", "PADAKZIVOT", "FRAMESET1", 25, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKGOODTIME", "PADAKGOODTIME", "FRAMESET1", 69, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKBADTIME", "PADAKBADTIME", "FRAMESET1", 70, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKBAD", "PADAKBAD", "FRAMESET1", 89, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKSPEED", "PADAKSPEED", "FRAMESET1", 71, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKSLOW", "PADAKSLOW", "FRAMESET1", 72, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKSECRET", "PADAKSECRET", "FRAMESET1", 74, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKLEVEL", "PADAKLEVEL", "FRAMESET1", 75, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKBOMB", "PADAKBOMB", "FRAMESET1", 78, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKWING", "PADAKWING", "FRAMESET1", 73, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKKING", "PADAKKING", "FRAMESET1", 77, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"PADAKLAVINA", "PADAKLAVINA", "FRAMESET1", 76, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"CAT", "CAT", "FRAMESET1", 26, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"DOG", "DOG", "FRAMESET1", 27, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"PIG", "PIG", "FRAMESET1", 37, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"WINTERDOG", "WINTERDOG", "FRAMESET1", 90, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"FOX", "FOX", "FRAMESET1", 92, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"PENGUIN", "PENGUIN", "FRAMESET1", 91, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"ROGALO", "ROGALO", "FRAMESET1", 36, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"KOULE", "KOULE", "FRAMESET1", 35, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"KOULEUP", "KOULE", "AKTIVNI", 41, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"KANON", "KANON", "FRAMESET", 42, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BALON", "BALON", "FRAMESET1", 45, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"KUL", "KUL", "FRAMESET1", 46, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"KULCLOVEK1", "KUL_CLOVEK1", "FRAMESET1", 47, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"KULCLOVEK2", "KUL_CLOVEK2", "FRAMESET1", 48, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"KULCLOVEK3", "KUL_CLOVEK3", "FRAMESET1", 49, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"CEDULE1", "CEDULE1", "FRAMESET", 50, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"KANON2", "KANON2", "FRAMESET", 51, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"PLANE", "PLANE", "FRAMESET1", 52, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"EGG", "EGG", "FRAMESET1", 53, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSFANTASTIC", "BONUSFANTASTIC", "FRAMESET1", 56, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSGOOD", "BONUSGOOD", "FRAMESET1", 54, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSGREAT", "BONUSGREAT", "FRAMESET1", 55, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSNOWAY", "BONUSNOWAY", "FRAMESET1", 58, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSWOW", "BONUSWOW", "FRAMESET1", 60, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSEXCELLENT", "BONUSEXCELLENT", "FRAMESET1", 57, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSCHAMPION", "BONUSCHAMPION", "FRAMESET1", 59, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"WINTERPLAYER", "WINTERPLAYER", "RIGHT", 61, 1, false, EPrototypeAnimation::Keep, nullptr},
    {"WINTERCLOVEK1", "WINTERCLOVEK1", "RIGHT", 62, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"WINTERBALON", "WINTERBALON", "FRAMESET1", 67, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"SNOWBALL", "SNOWBALL", "AKTIVNI", 64, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"TREE4", "TREE4", "FRAMESET1", 68, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"KRYSTAL1", "KRYSTAL1", "FRAMESET1", 65, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"KRYSTAL2", "KRYSTAL2", "FRAMESET1", 66, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"YETI", "YETI", "RIGHT", 63, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"YETILEZICI", "YETILEZICI", "FRAMESET1", 79, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"RAMPOUCH1", "RAMPOUCH1", "FRAMESET1", 81, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"RAMPOUCH2", "RAMPOUCH2", "FRAMESET1", 82, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"KAPKA", "KAPKA", "AKTINI", 80, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"VYKUK", "VYKUK", "INVISIBLE", 83, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"CLOVEK5", "CLOVEK5", "RIGHT", 84, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"WINTERKOULE", "WINTERKOULE", "AKTIVNI", 86, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"WINTERKANON2", "WINTERKANON2", "FRAMESET", 85, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"BOSS2", "BOSS2", "FRAMESET1", 87, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"FALLINGWINTERKOULE", "WINTERKOULE", "FRAMESET1", 88, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"DIDUDO", "PLAYER", "RIGHT", 93, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"BIRDGENERATOR", "EGG", "FRAMESET1", 100, 0, false, EPrototypeAnimation::Keep, "DIDUDO"},
    {"BIRDGENERATOR2", "EGG", "FRAMESET1", 117, 0, false, EPrototypeAnimation::Keep, "BONUSDIDUDO"},
    {"MSGANIMALS", "MSGANIMALS", "FRAMESET1", 101, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"MSGFRIENDS", "MSGFRIENDS", "FRAMESET1", 102, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"MSGMINUSSPEED", "MSGMINUSSPEED", "FRAMESET1", 103, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"MSGMINUSTIME", "MSGMINUSTIME", "FRAMESET1", 104, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"MSGPLUSAMMO", "MSGPLUSAMMO", "FRAMESET1", 105, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"MSGPLUSLIVES", "MSGPLUSLIVES", "FRAMESET1", 106, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"MSGPLUSSPEED", "MSGPLUSSPEED", "FRAMESET1", 107, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"MSGPLUSTIME", "MSGPLUSTIME", "FRAMESET1", 108, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"TRIGGERBALON", "TRIGGERBALOON", "FRAMESET1", 109, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"HYETILEFT", "HYETI_LEFT", "FRAMESET1", 110, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"HYETIRIGHT", "HYETI_RIGHT", "FRAMESET1", 111, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"NOSIC", "NOSIC", "RIGHT", 112, 3, false, EPrototypeAnimation::Stop, nullptr},
    {"KOTEL", "KOTEL", "FRAMESET1", 113, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"VODA", "VODA", "FRAMESET1", 114, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"PLAMEN", "PLAMEN", "FRAMESET1", 115, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"BONUSDIDUDO", "PLAYER", "RIGHT", 116, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"MEGASNOWBALL", "MEGASNOWBALL", "FRAMESET1", 119, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"RAMBO", "RAMBO", "FRAMESET1", 118, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"TREE5", "TREE5", "FRAMESET1", 120, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"CLOVEK6", "CLOVEK6", "RIGHT", 121, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"CAR1", "CAR1", "FRAMESET", 122, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"SPOT", "REDBALON", "FRAMESET1", 123, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"VELBLOUD", "VELBLOUD", "RIGHT", 124, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"SKORPION", "SKORPION", "RIGHT", 125, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"DFLOWER1", "DFLOWER1", "FRAMESET1", 126, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"DFLOWER2", "DFLOWER2", "FRAMESET1", 127, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"DFLOWER3", "DFLOWER3", "FRAMESET1", 128, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"DFLOWER4", "DFLOWER4", "FRAMESET1", 129, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"KAKTUS1", "KAKTUS1", "FRAMESET1", 130, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"KAKTUS2", "KAKTUS2", "FRAMESET1", 131, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"DKOULE", "DKOULE", "FRAMESET1", 132, 4, false, EPrototypeAnimation::Keep, nullptr},
    {"SPIKE", "SPIKE", "FRAMESET1", 133, 0, false, EPrototypeAnimation::Keep, nullptr},
    {"SUP", "SUP", "RIGHT", 134, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"KOSTRA", "KOSTRA", "FRAMESET1", 135, 5, false, EPrototypeAnimation::Keep, nullptr},
    {"GOLDENSUP", "GOLDENSUP", "RIGHT", 136, 3, false, EPrototypeAnimation::Keep, nullptr},
    {"EGGRUNNER", "EGGRUNNER", "RIGHT", 137, 5, false, EPrototypeAnimation::Keep, nullptr},
};

// Starts or stops the animation of the entity's current frameset.
void applyPrototypeAnimation(CMapEntity& entity, EPrototypeAnimation animation);

// A generator entity carries the name of what it generates.
class CMapEntity_Spawner : public CMapEntity
{
public:
    using CMapEntity::CMapEntity;
    std::string spawnName;

protected:
    CMapEntity_Spawner(const CMapEntity_Spawner& other) = default;
};

// The entity class of one catalogue row: its constructor puts the row's values into the record.
template <std::size_t Row>
class CCatalogueEntity
    : public std::conditional_t<entityCatalogue[Row].spawnName != nullptr, CMapEntity_Spawner, CMapEntity>
{
    using Base = std::conditional_t<entityCatalogue[Row].spawnName != nullptr, CMapEntity_Spawner, CMapEntity>;

public:
    CCatalogueEntity(float x, float y, bool solid) : Base(x, y, solid)
    {
        const CEntityRow& row = entityCatalogue[Row];
        this->setKind(row.kind);
        this->setCollisionClass(row.collisionClass);
        this->setSprite(row.sprite);
        this->setName(row.name);
        this->getSprite()->setFrameset(row.frameset);
        this->setPosition(x, y);
        this->setPenalty(200);
        this->setHealth(100);
        applyPrototypeAnimation(*this, row.animation);
        if constexpr (entityCatalogue[Row].spawnName != nullptr)
            this->spawnName = row.spawnName;
    }

    std::unique_ptr<CMapEntity> clone() const override
    {
        return std::unique_ptr<CMapEntity>(new CCatalogueEntity(*this));
    }

private:
    CCatalogueEntity(const CCatalogueEntity& other) = default;
};

using CMapEntity_LittleBird = CCatalogueEntity<1>;
using CMapEntity_Apple = CCatalogueEntity<2>;
using CMapEntity_Clovek1 = CCatalogueEntity<3>;
using CMapEntity_Clovek2 = CCatalogueEntity<4>;
using CMapEntity_Clovek3 = CCatalogueEntity<5>;
using CMapEntity_Clovek4 = CCatalogueEntity<6>;
using CMapEntity_Boss1 = CCatalogueEntity<7>;
using CMapEntity_Bobek = CCatalogueEntity<8>;
using CMapEntity_Kamen = CCatalogueEntity<9>;
using CMapEntity_Kamen2 = CCatalogueEntity<10>;
using CMapEntity_Bonus10 = CCatalogueEntity<11>;
using CMapEntity_Bonus50 = CCatalogueEntity<12>;
using CMapEntity_Bonus150 = CCatalogueEntity<13>;
using CMapEntity_Bonus250 = CCatalogueEntity<14>;
using CMapEntity_Bonus1000 = CCatalogueEntity<15>;
using CMapEntity_Nasobitel2 = CCatalogueEntity<16>;
using CMapEntity_Nasobitel3 = CCatalogueEntity<17>;
using CMapEntity_Nasobitel4 = CCatalogueEntity<18>;
using CMapEntity_Nasobitel5 = CCatalogueEntity<19>;
using CMapEntity_Nasobitel6 = CCatalogueEntity<20>;
using CMapEntity_Nasobitel7 = CCatalogueEntity<21>;
using CMapEntity_Nasobitel8 = CCatalogueEntity<22>;
using CMapEntity_Nasobitel9 = CCatalogueEntity<23>;
using CMapEntity_Nasobitel10 = CCatalogueEntity<24>;
using CMapEntity_Tree1 = CCatalogueEntity<25>;
using CMapEntity_Tree2 = CCatalogueEntity<26>;
using CMapEntity_Tree3 = CCatalogueEntity<27>;
using CMapEntity_Flower1 = CCatalogueEntity<28>;
using CMapEntity_Flower2 = CCatalogueEntity<29>;
using CMapEntity_Flowers1 = CCatalogueEntity<30>;
using CMapEntity_Flowers2 = CCatalogueEntity<31>;
using CMapEntity_Nest = CCatalogueEntity<32>;
using CMapEntity_Katapult1 = CCatalogueEntity<33>;
using CMapEntity_Katapult2 = CCatalogueEntity<34>;
using CMapEntity_FlyingBoy1 = CCatalogueEntity<35>;
using CMapEntity_Hrad1 = CCatalogueEntity<36>;
using CMapEntity_Hrad2 = CCatalogueEntity<37>;
using CMapEntity_Hrad3 = CCatalogueEntity<38>;
using CMapEntity_PadakBobky = CCatalogueEntity<39>;
using CMapEntity_PadakStit = CCatalogueEntity<40>;
using CMapEntity_PadakZivot = CCatalogueEntity<41>;
using CMapEntity_PadakGoodTime = CCatalogueEntity<42>;
using CMapEntity_PadakBadTime = CCatalogueEntity<43>;
using CMapEntity_PadakBad = CCatalogueEntity<44>;
using CMapEntity_PadakSpeed = CCatalogueEntity<45>;
using CMapEntity_PadakSlow = CCatalogueEntity<46>;
using CMapEntity_PadakSecret = CCatalogueEntity<47>;
using CMapEntity_PadakLevel = CCatalogueEntity<48>;
using CMapEntity_PadakBomb = CCatalogueEntity<49>;
using CMapEntity_PadakWing = CCatalogueEntity<50>;
using CMapEntity_PadakKing = CCatalogueEntity<51>;
using CMapEntity_PadakLavina = CCatalogueEntity<52>;
using CMapEntity_Cat = CCatalogueEntity<53>;
using CMapEntity_Dog = CCatalogueEntity<54>;
using CMapEntity_Pig = CCatalogueEntity<55>;
using CMapEntity_WinterDog = CCatalogueEntity<56>;
using CMapEntity_Fox = CCatalogueEntity<57>;
using CMapEntity_Penguin = CCatalogueEntity<58>;
using CMapEntity_Rogalo = CCatalogueEntity<59>;
using CMapEntity_Koule = CCatalogueEntity<60>;
using CMapEntity_KouleUp = CCatalogueEntity<61>;
using CMapEntity_Kanon = CCatalogueEntity<62>;
using CMapEntity_Balon = CCatalogueEntity<63>;
using CMapEntity_Kul = CCatalogueEntity<64>;
using CMapEntity_KulClovek1 = CCatalogueEntity<65>;
using CMapEntity_KulClovek2 = CCatalogueEntity<66>;
using CMapEntity_KulClovek3 = CCatalogueEntity<67>;
using CMapEntity_Cedule1 = CCatalogueEntity<68>;
using CMapEntity_Kanon2 = CCatalogueEntity<69>;
using CMapEntity_Plane = CCatalogueEntity<70>;
using CMapEntity_Egg = CCatalogueEntity<71>;
using CMapEntity_BonusFantastic = CCatalogueEntity<72>;
using CMapEntity_BonusGood = CCatalogueEntity<73>;
using CMapEntity_BonusGreat = CCatalogueEntity<74>;
using CMapEntity_BonusNoWay = CCatalogueEntity<75>;
using CMapEntity_BonusWow = CCatalogueEntity<76>;
using CMapEntity_BonusExcellent = CCatalogueEntity<77>;
using CMapEntity_BonusChampion = CCatalogueEntity<78>;
using CMapEntity_WinterPlayer = CCatalogueEntity<79>;
using CMapEntity_WinterClovek1 = CCatalogueEntity<80>;
using CMapEntity_WinterBalon = CCatalogueEntity<81>;
using CMapEntity_Snowball = CCatalogueEntity<82>;
using CMapEntity_Tree4 = CCatalogueEntity<83>;
using CMapEntity_Krystal1 = CCatalogueEntity<84>;
using CMapEntity_Krystal2 = CCatalogueEntity<85>;
using CMapEntity_Yeti = CCatalogueEntity<86>;
using CMapEntity_YetiLezici = CCatalogueEntity<87>;
using CMapEntity_Rampouch1 = CCatalogueEntity<88>;
using CMapEntity_Rampouch2 = CCatalogueEntity<89>;
using CMapEntity_Kapka = CCatalogueEntity<90>;
using CMapEntity_Vykuk = CCatalogueEntity<91>;
using CMapEntity_Clovek5 = CCatalogueEntity<92>;
using CMapEntity_WinterKoule = CCatalogueEntity<93>;
using CMapEntity_WinterKanon2 = CCatalogueEntity<94>;
using CMapEntity_Boss2 = CCatalogueEntity<95>;
using CMapEntity_FallingWinterKoule = CCatalogueEntity<96>;
using CMapEntity_Didudo = CCatalogueEntity<97>;
using CMapEntity_BirdGenerator = CCatalogueEntity<98>;
using CMapEntity_BirdGenerator2 = CCatalogueEntity<99>;
using CMapEntity_MsgAnimals = CCatalogueEntity<100>;
using CMapEntity_MsgFriends = CCatalogueEntity<101>;
using CMapEntity_MsgMinusSpeed = CCatalogueEntity<102>;
using CMapEntity_MsgMinusTime = CCatalogueEntity<103>;
using CMapEntity_MsgPlusAmmo = CCatalogueEntity<104>;
using CMapEntity_MsgPlusLives = CCatalogueEntity<105>;
using CMapEntity_MsgPlusSpeed = CCatalogueEntity<106>;
using CMapEntity_MsgPlusTime = CCatalogueEntity<107>;
using CMapEntity_TriggerBalon = CCatalogueEntity<108>;
using CMapEntity_HYetiLeft = CCatalogueEntity<109>;
using CMapEntity_HYetiRight = CCatalogueEntity<110>;
using CMapEntity_Nosic = CCatalogueEntity<111>;
using CMapEntity_Kotel = CCatalogueEntity<112>;
using CMapEntity_Voda = CCatalogueEntity<113>;
using CMapEntity_Plamen = CCatalogueEntity<114>;
using CMapEntity_BonusDidudo = CCatalogueEntity<115>;
using CMapEntity_MegaSnowball = CCatalogueEntity<116>;
using CMapEntity_Rambo = CCatalogueEntity<117>;
using CMapEntity_Tree5 = CCatalogueEntity<118>;
using CMapEntity_Clovek6 = CCatalogueEntity<119>;
using CMapEntity_Car1 = CCatalogueEntity<120>;
using CMapEntity_Spot = CCatalogueEntity<121>;
using CMapEntity_Velbloud = CCatalogueEntity<122>;
using CMapEntity_Skorpion = CCatalogueEntity<123>;
using CMapEntity_DFlower1 = CCatalogueEntity<124>;
using CMapEntity_DFlower2 = CCatalogueEntity<125>;
using CMapEntity_DFlower3 = CCatalogueEntity<126>;
using CMapEntity_DFlower4 = CCatalogueEntity<127>;
using CMapEntity_Kaktus1 = CCatalogueEntity<128>;
using CMapEntity_Kaktus2 = CCatalogueEntity<129>;
using CMapEntity_DKoule = CCatalogueEntity<130>;
using CMapEntity_Spike = CCatalogueEntity<131>;
using CMapEntity_Sup = CCatalogueEntity<132>;
using CMapEntity_Kostra = CCatalogueEntity<133>;
using CMapEntity_GoldenSup = CCatalogueEntity<134>;
using CMapEntity_EggRunner = CCatalogueEntity<135>;

// A new prototype of the catalogue row, built at (0, 0) as start-up registers it.
std::unique_ptr<CMapEntity> makeCatalogueEntity(std::size_t row);
// A prototype of every row, in catalogue order, with sprites copied from the current collection.
std::vector<std::unique_ptr<CMapEntity>> makeCataloguePrototypes();
