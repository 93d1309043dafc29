#pragma once

#include <string>
#include <vector>

#include "catalogue_page.h"

// What every entity of the registry does, as a level designer needs to know it: one line each,
// keyed by the entity name. The game keeps no such texts itself.
const std::vector<CEntityDescription>& entityDescriptionList();

// The description of that name; empty when there is none.
std::string describe(const std::string& name);
