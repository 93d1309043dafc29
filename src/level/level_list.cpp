#include "level/level_list.h"

#include <tinyxml.h>

#include <algorithm>

#include "app/fatal.h"
#include "app/xml_file.h"

int CLevelList::indexOf(const std::string& name) const
{
    auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

std::unique_ptr<CLevelList> readLevelList(const std::string& path)
{
    TiXmlDocument document;
    loadXmlFile(document, path);
    auto list = std::make_unique<CLevelList>();
    // The levels are the top-level <level> elements, or those of a <levelList> root (a
    // well-formed document, which the schema describes).
    const TiXmlNode* parent = &document;
    if (const TiXmlElement* root = document.FirstChildElement("levelList"))
        parent = root;
    for (const TiXmlElement* element = parent->FirstChildElement("level"); element;
         element = element->NextSiblingElement("level")) {
        const char* name = element->Attribute("name");
        if (!name)
            fatalErrorAt(path, element->Row(), "NAME not found near LEVEL tag!");
        list->add(name);
    }
    if (list->count() == 0)
        fatalErrorIn(path, "No level found in level list!");
    return list;
}
