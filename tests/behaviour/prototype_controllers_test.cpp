#include <gtest/gtest.h>

#include <map>
#include <string>
#include <typeindex>
#include <typeinfo>

#include "behaviour/bird_generators.h"
#include "behaviour/bosses.h"
#include "behaviour/critters.h"
#include "behaviour/humans.h"
#include "behaviour/machines.h"
#include "behaviour/player_bird.h"
#include "behaviour/power_ups.h"
#include "behaviour/projectiles.h"
#include "behaviour/prototype_controllers.h"
#include "behaviour/rescue.h"
#include "behaviour/vehicles.h"
#include "entity/entity_catalogue.h"
#include "support/test_world.h"

namespace {

// Every controlled entity name and the controller class that must serve it. Many controller
// classes derive from others (the winter cannon from the cannon, the throwers from the villager),
// so the classes are compared exactly.
const std::map<std::string, std::type_index> expectedControllers = {
    {"PLAYER", typeid(CDidudoController2)},
    {"APPLE", typeid(CAppleController)},
    {"CLOVEK1", typeid(CClovek1Controller)},
    {"CLOVEK2", typeid(CClovek2Controller)},
    {"CLOVEK3", typeid(CClovek2Controller)},
    {"CLOVEK4", typeid(CClovek1Controller)},
    {"BOSS1", typeid(CBoss1Controller)},
    {"BOBEK", typeid(CBobekController)},
    {"KAMEN", typeid(CKamenController)},
    {"KAMEN2", typeid(CKamenController)},
    {"BONUS10", typeid(CBonus150Controller)},
    {"BONUS50", typeid(CBonus150Controller)},
    {"BONUS150", typeid(CBonus150Controller)},
    {"BONUS250", typeid(CBonus150Controller)},
    {"BONUS1000", typeid(CBonus150Controller)},
    {"NASOBITEL2", typeid(CBonus150Controller)},
    {"NASOBITEL3", typeid(CBonus150Controller)},
    {"NASOBITEL4", typeid(CBonus150Controller)},
    {"NASOBITEL5", typeid(CBonus150Controller)},
    {"NASOBITEL6", typeid(CBonus150Controller)},
    {"NASOBITEL7", typeid(CBonus150Controller)},
    {"NASOBITEL8", typeid(CBonus150Controller)},
    {"NASOBITEL9", typeid(CBonus150Controller)},
    {"NASOBITEL10", typeid(CBonus150Controller)},
    {"NEST", typeid(CNestController)},
    {"KATAPULT1", typeid(CKatapult1Controller)},
    {"KATAPULT2", typeid(CKatapult2Controller)},
    {"FLYINGBOY1", typeid(CKamenController)},
    {"PADAKBOBKY", typeid(CPadakController)},
    {"PADAKSTIT", typeid(CPadakController)},
    {"PADAKZIVOT", typeid(CPadakController)},
    {"PADAKGOODTIME", typeid(CPadakController)},
    {"PADAKBADTIME", typeid(CPadakController)},
    {"PADAKBAD", typeid(CPadakController)},
    {"PADAKSPEED", typeid(CPadakController)},
    {"PADAKSLOW", typeid(CPadakController)},
    {"PADAKSECRET", typeid(CPadakController)},
    {"PADAKLEVEL", typeid(CPadakController)},
    {"PADAKBOMB", typeid(CPadakController)},
    {"PADAKWING", typeid(CPadakController)},
    {"PADAKKING", typeid(CPadakController)},
    {"PADAKLAVINA", typeid(CPadakController)},
    {"CAT", typeid(CAnimalController)},
    {"DOG", typeid(CAnimalController)},
    {"PIG", typeid(CAnimalController)},
    {"WINTERDOG", typeid(CAnimalController)},
    {"FOX", typeid(CAnimalController)},
    {"PENGUIN", typeid(CAnimalController)},
    {"ROGALO", typeid(CRogaloController)},
    {"KOULE", typeid(CKouleController)},
    {"KOULEUP", typeid(CKamenController)},
    {"KANON", typeid(CKanonController)},
    {"BALON", typeid(CBalonController)},
    {"KULCLOVEK1", typeid(CKulClovek1Controller)},
    {"KULCLOVEK2", typeid(CKulClovek2Controller)},
    {"KULCLOVEK3", typeid(CKulClovek3Controller)},
    {"KANON2", typeid(CKanon2Controller)},
    {"PLANE", typeid(CPlaneController)},
    {"EGG", typeid(CEggController)},
    {"BONUSFANTASTIC", typeid(CNapisController)},
    {"BONUSGOOD", typeid(CNapisController)},
    {"BONUSGREAT", typeid(CNapisController)},
    {"BONUSNOWAY", typeid(CNapisController)},
    {"BONUSWOW", typeid(CNapisController)},
    {"BONUSEXCELLENT", typeid(CNapisController)},
    {"BONUSCHAMPION", typeid(CNapisController)},
    {"WINTERPLAYER", typeid(CDidudoController2)},
    {"WINTERCLOVEK1", typeid(CWinterClovek1Controller)},
    {"WINTERBALON", typeid(CWinterBalonController)},
    {"SNOWBALL", typeid(CKamenController)},
    {"YETI", typeid(CYetiController)},
    {"YETILEZICI", typeid(CYetiLeziciController)},
    {"RAMPOUCH1", typeid(CRampouchController)},
    {"RAMPOUCH2", typeid(CRampouch2Controller)},
    {"KAPKA", typeid(CKouleController)},
    {"VYKUK", typeid(CVykukController)},
    {"CLOVEK5", typeid(CWinterClovek1Controller)},
    {"WINTERKOULE", typeid(CKamenController)},
    {"WINTERKANON2", typeid(CWinterKanon2Controller)},
    {"BOSS2", typeid(CBoss2Controller)},
    {"FALLINGWINTERKOULE", typeid(CFallingWinterKouleController)},
    {"DIDUDO", typeid(CDidudoController)},
    {"BIRDGENERATOR", typeid(CBirdGeneratorController)},
    {"BIRDGENERATOR2", typeid(CBirdGenerator2Controller)},
    {"MSGANIMALS", typeid(CBonus50Controller)},
    {"MSGFRIENDS", typeid(CBonus50Controller)},
    {"MSGMINUSSPEED", typeid(CBonus50Controller)},
    {"MSGMINUSTIME", typeid(CBonus50Controller)},
    {"MSGPLUSAMMO", typeid(CBonus50Controller)},
    {"MSGPLUSLIVES", typeid(CBonus50Controller)},
    {"MSGPLUSSPEED", typeid(CBonus50Controller)},
    {"MSGPLUSTIME", typeid(CBonus50Controller)},
    {"TRIGGERBALON", typeid(CTriggerBalonController)},
    {"HYETILEFT", typeid(CHYetiController)},
    {"HYETIRIGHT", typeid(CHYetiController)},
    {"NOSIC", typeid(CNosicController)},
    {"VODA", typeid(CVodaController)},
    {"BONUSDIDUDO", typeid(CBonusDidudoController)},
    {"MEGASNOWBALL", typeid(CFallingWinterKouleController)},
    {"RAMBO", typeid(CRamboController)},
    {"CLOVEK6", typeid(CClovek6Controller)},
    {"SPOT", typeid(CUpDownController)},
    {"VELBLOUD", typeid(CVelbloudController)},
    {"SKORPION", typeid(CSkorpionController)},
    {"DKOULE", typeid(CKamenController)},
    {"SPIKE", typeid(CSpikeController)},
    {"SUP", typeid(CSupController)},
    {"GOLDENSUP", typeid(CGoldenSupController)},
    {"EGGRUNNER", typeid(CAnimalController)},
};

TEST(PrototypeControllers, EveryControlledNameHasItsOwnControllerClassOnce)
{
    installTestWorld();
    ASSERT_EQ(expectedControllers.size(), 109u);
    CControllerList prototypes;
    registerPrototypeControllers(prototypes);
    ASSERT_EQ(prototypes.size(), 109u);

    std::map<std::string, int> registered;
    for (const auto& prototype : prototypes) {
        const std::string name = prototype->getBoundName();
        ++registered[name];
        auto expected = expectedControllers.find(name);
        ASSERT_NE(expected, expectedControllers.end()) << name << " is scenery and needs no controller";
        const CEntityController& controller = *prototype;
        EXPECT_EQ(std::type_index(typeid(controller)), expected->second) << name;
        EXPECT_EQ(prototype->getEntity(), nullptr) << name;
    }
    for (const auto& row : entityCatalogue)
        EXPECT_EQ(registered[row.name], expectedControllers.count(row.name) ? 1 : 0) << row.name;
}

TEST(PrototypeControllers, ABoundCloneKeepsItsClassAndName)
{
    installTestWorld();
    CControllerList prototypes;
    registerPrototypeControllers(prototypes);
    for (const auto& prototype : prototypes) {
        std::unique_ptr<CEntityController> clone = prototype->clone();
        const CEntityController& original = *prototype;
        const CEntityController& copy = *clone;
        EXPECT_EQ(std::type_index(typeid(copy)), std::type_index(typeid(original))) << original.getBoundName();
        EXPECT_EQ(clone->getBoundName(), prototype->getBoundName());
    }
}

}
