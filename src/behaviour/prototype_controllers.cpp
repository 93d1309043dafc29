#include "behaviour/prototype_controllers.h"

#include <cstddef>

#include "behaviour/player_bird.h"
#include "behaviour/projectiles.h"
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
    {"BOBEK", &prototype<CBobekController>},
    {"KAMEN", &prototype<CKamenController>},
    {"KAMEN2", &prototype<CKamenController>},
    {"FLYINGBOY1", &prototype<CKamenController>},
    {"KOULE", &prototype<CKouleController>},
    {"KOULEUP", &prototype<CKamenController>},
    {"WINTERPLAYER", &prototype<CDidudoController2>},
    {"SNOWBALL", &prototype<CKamenController>},
    {"RAMPOUCH1", &prototype<CRampouchController>},
    {"RAMPOUCH2", &prototype<CRampouch2Controller>},
    {"KAPKA", &prototype<CKouleController>},
    {"WINTERKOULE", &prototype<CKamenController>},
    {"FALLINGWINTERKOULE", &prototype<CFallingWinterKouleController>},
    {"DIDUDO", &prototype<CDidudoController>},
    {"MEGASNOWBALL", &prototype<CFallingWinterKouleController>},
    {"SPOT", &prototype<CUpDownController>},
    {"DKOULE", &prototype<CKamenController>},
    {"SPIKE", &prototype<CSpikeController>},
};

}

void registerPrototypeControllers(CControllerList& prototypes)
{
    for (std::size_t row = 0; row < entityCatalogueSize; ++row)
        for (const CControllerRow& controller : controllerRows)
            if (entityCatalogue[row].name == std::string(controller.entityName))
                prototypes.push_back(controller.make(controller.entityName));
}
