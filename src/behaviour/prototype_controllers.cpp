#include "behaviour/prototype_controllers.h"

#include <cstddef>

#include "behaviour/bird_generators.h"
#include "behaviour/bosses.h"
#include "behaviour/critters.h"
#include "behaviour/humans.h"
#include "behaviour/machines.h"
#include "behaviour/player_bird.h"
#include "behaviour/power_ups.h"
#include "behaviour/projectiles.h"
#include "behaviour/rescue.h"
#include "behaviour/vehicles.h"
#include "entity/entity_catalogue.h"

namespace {

using MakeController = std::unique_ptr<CEntityController> (*)(const std::string& name);

template <class Controller>
std::unique_ptr<CEntityController> prototype(const std::string& name)
{
    return std::make_unique<Controller>(nullptr, nullptr, name);
}

struct CControllerRow
{
    const char* entityName;
    MakeController make;
};

// The controller of each controlled entity name. Registration follows the catalogue's order.
const CControllerRow controllerRows[] = {
    {"PLAYER", &prototype<CDidudoController2>},
    {"APPLE", &prototype<CAppleController>},
    {"CLOVEK1", &prototype<CClovek1Controller>},
    {"CLOVEK2", &prototype<CClovek2Controller>},
    {"CLOVEK3", &prototype<CClovek2Controller>},
    {"CLOVEK4", &prototype<CClovek1Controller>},
    {"BOSS1", &prototype<CBoss1Controller>},
    {"BOBEK", &prototype<CBobekController>},
    {"KAMEN", &prototype<CKamenController>},
    {"KAMEN2", &prototype<CKamenController>},
    {"BONUS10", &prototype<CBonus150Controller>},
    {"BONUS50", &prototype<CBonus150Controller>},
    {"BONUS150", &prototype<CBonus150Controller>},
    {"BONUS250", &prototype<CBonus150Controller>},
    {"BONUS1000", &prototype<CBonus150Controller>},
    {"NASOBITEL2", &prototype<CBonus150Controller>},
    {"NASOBITEL3", &prototype<CBonus150Controller>},
    {"NASOBITEL4", &prototype<CBonus150Controller>},
    {"NASOBITEL5", &prototype<CBonus150Controller>},
    {"NASOBITEL6", &prototype<CBonus150Controller>},
    {"NASOBITEL7", &prototype<CBonus150Controller>},
    {"NASOBITEL8", &prototype<CBonus150Controller>},
    {"NASOBITEL9", &prototype<CBonus150Controller>},
    {"NASOBITEL10", &prototype<CBonus150Controller>},
    {"NEST", &prototype<CNestController>},
    {"KATAPULT1", &prototype<CKatapult1Controller>},
    {"KATAPULT2", &prototype<CKatapult2Controller>},
    {"FLYINGBOY1", &prototype<CKamenController>},
    {"PADAKBOBKY", &prototype<CPadakController>},
    {"PADAKSTIT", &prototype<CPadakController>},
    {"PADAKZIVOT", &prototype<CPadakController>},
    {"PADAKGOODTIME", &prototype<CPadakController>},
    {"PADAKBADTIME", &prototype<CPadakController>},
    {"PADAKBAD", &prototype<CPadakController>},
    {"PADAKSPEED", &prototype<CPadakController>},
    {"PADAKSLOW", &prototype<CPadakController>},
    {"PADAKSECRET", &prototype<CPadakController>},
    {"PADAKLEVEL", &prototype<CPadakController>},
    {"PADAKBOMB", &prototype<CPadakController>},
    {"PADAKWING", &prototype<CPadakController>},
    {"PADAKKING", &prototype<CPadakController>},
    {"PADAKLAVINA", &prototype<CPadakController>},
    {"CAT", &prototype<CAnimalController>},
    {"DOG", &prototype<CAnimalController>},
    {"PIG", &prototype<CAnimalController>},
    {"WINTERDOG", &prototype<CAnimalController>},
    {"FOX", &prototype<CAnimalController>},
    {"PENGUIN", &prototype<CAnimalController>},
    {"ROGALO", &prototype<CRogaloController>},
    {"KOULE", &prototype<CKouleController>},
    {"KOULEUP", &prototype<CKamenController>},
    {"KANON", &prototype<CKanonController>},
    {"BALON", &prototype<CBalonController>},
    {"KULCLOVEK1", &prototype<CKulClovek1Controller>},
    {"KULCLOVEK2", &prototype<CKulClovek2Controller>},
    {"KULCLOVEK3", &prototype<CKulClovek3Controller>},
    {"KANON2", &prototype<CKanon2Controller>},
    {"PLANE", &prototype<CPlaneController>},
    {"EGG", &prototype<CEggController>},
    {"BONUSFANTASTIC", &prototype<CNapisController>},
    {"BONUSGOOD", &prototype<CNapisController>},
    {"BONUSGREAT", &prototype<CNapisController>},
    {"BONUSNOWAY", &prototype<CNapisController>},
    {"BONUSWOW", &prototype<CNapisController>},
    {"BONUSEXCELLENT", &prototype<CNapisController>},
    {"BONUSCHAMPION", &prototype<CNapisController>},
    {"WINTERPLAYER", &prototype<CDidudoController2>},
    {"WINTERCLOVEK1", &prototype<CWinterClovek1Controller>},
    {"WINTERBALON", &prototype<CWinterBalonController>},
    {"SNOWBALL", &prototype<CKamenController>},
    {"YETI", &prototype<CYetiController>},
    {"YETILEZICI", &prototype<CYetiLeziciController>},
    {"RAMPOUCH1", &prototype<CRampouchController>},
    {"RAMPOUCH2", &prototype<CRampouch2Controller>},
    {"KAPKA", &prototype<CKouleController>},
    {"VYKUK", &prototype<CVykukController>},
    {"CLOVEK5", &prototype<CWinterClovek1Controller>},
    {"WINTERKOULE", &prototype<CKamenController>},
    {"WINTERKANON2", &prototype<CWinterKanon2Controller>},
    {"BOSS2", &prototype<CBoss2Controller>},
    {"FALLINGWINTERKOULE", &prototype<CFallingWinterKouleController>},
    {"DIDUDO", &prototype<CDidudoController>},
    {"BIRDGENERATOR", &prototype<CBirdGeneratorController>},
    {"BIRDGENERATOR2", &prototype<CBirdGenerator2Controller>},
    {"MSGANIMALS", &prototype<CBonus50Controller>},
    {"MSGFRIENDS", &prototype<CBonus50Controller>},
    {"MSGMINUSSPEED", &prototype<CBonus50Controller>},
    {"MSGMINUSTIME", &prototype<CBonus50Controller>},
    {"MSGPLUSAMMO", &prototype<CBonus50Controller>},
    {"MSGPLUSLIVES", &prototype<CBonus50Controller>},
    {"MSGPLUSSPEED", &prototype<CBonus50Controller>},
    {"MSGPLUSTIME", &prototype<CBonus50Controller>},
    {"TRIGGERBALON", &prototype<CTriggerBalonController>},
    {"HYETILEFT", &prototype<CHYetiController>},
    {"HYETIRIGHT", &prototype<CHYetiController>},
    {"NOSIC", &prototype<CNosicController>},
    {"VODA", &prototype<CVodaController>},
    {"BONUSDIDUDO", &prototype<CBonusDidudoController>},
    {"MEGASNOWBALL", &prototype<CFallingWinterKouleController>},
    {"RAMBO", &prototype<CRamboController>},
    {"CLOVEK6", &prototype<CClovek6Controller>},
    {"SPOT", &prototype<CUpDownController>},
    {"VELBLOUD", &prototype<CVelbloudController>},
    {"SKORPION", &prototype<CSkorpionController>},
    {"DKOULE", &prototype<CKamenController>},
    {"SPIKE", &prototype<CSpikeController>},
    {"SUP", &prototype<CSupController>},
    {"GOLDENSUP", &prototype<CGoldenSupController>},
    {"EGGRUNNER", &prototype<CAnimalController>},
};

}

void registerPrototypeControllers(CControllerList& prototypes)
{
    for (std::size_t row = 0; row < entityCatalogueSize; ++row)
        for (const CControllerRow& controller : controllerRows)
            if (entityCatalogue[row].name == std::string(controller.entityName))
                prototypes.push_back(controller.make(controller.entityName));
}
