#pragma once

#include "entity/entity_controller.h"

// Fills the list with one prototype controller per controlled entity name, in catalogue order.
void registerPrototypeControllers(CControllerList& prototypes);
