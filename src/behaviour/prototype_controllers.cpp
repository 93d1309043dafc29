#include "behaviour/prototype_controllers.h"

#include <cstddef>

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
    {"SPOT", &prototype<CUpDownController>},
};

}

void registerPrototypeControllers(CControllerList& prototypes)
{
    for (std::size_t row = 0; row < entityCatalogueSize; ++row)
        for (const CControllerRow& controller : controllerRows)
            if (entityCatalogue[row].name == std::string(controller.entityName))
                prototypes.push_back(controller.make(controller.entityName));
}
