// Reading a level's map entities file: <mapEntities> holds <entity name x y> and
// <generator x y interval start> elements, each generator holding <generatorentity name>.
// All entities are made before any generator, whatever the order in the file. A negative
// interval or start counts as 0.
#include <tinyxml.h>

#include <algorithm>

#include "app/fatal.h"
#include "app/xml_file.h"
#include "app/logger.h"
#include "app/text_number.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"
#include "level/map_generator.h"

namespace {

const char* required(const TiXmlElement* element, const char* attribute, const char* missing, const std::string& path)
{
    const char* value = element->Attribute(attribute);
    if (!value)
        fatalErrorAt(path, element->Row(), missing);
    return value;
}

// A place far off the screen is as good as any other off-screen place: positions are kept
// within what the drawing can still take (SDL's 16-bit rectangles), so no conversion of a
// position overflows.
int position(const char* text)
{
    return std::clamp(leadingInt(text), -30000, 30000);
}

// An entity name the registry does not know is reported with the file that names it.
std::unique_ptr<CMapEntity> create(const CMapEntityCollection& registry, const char* name, const TiXmlElement* element,
                                   const std::string& path)
{
    if (!registry.has(name))
        fatalErrorAt(path, element->Row(), std::string("Entity ") + name + " not found in global entity object!");
    return registry.createByName(name);
}

}

void CMapEntitiesCollection::loadEntities(const std::string& path)
{
    CLogger& log = CLogger::instance();
    const CMapEntityCollection& registry = CMapEntityCollection::instance();
    TiXmlDocument document;
    loadXmlFile(document, path);
    const TiXmlElement* root = document.FirstChildElement("mapEntities");
    if (!root) {
        log.write("MAPENTITIES tag not found! This is probably not the map entities file..");
        return;
    }

    for (const TiXmlElement* element = root->FirstChildElement("entity"); element;
         element = element->NextSiblingElement("entity")) {
        const char* name = required(element, "name", "NAME not found near ENTITY tag!", path);
        const char* x = required(element, "x", "X not found near ENTITY tag!", path);
        const char* y = required(element, "y", "Y not found near ENTITY tag!", path);
        std::unique_ptr<CMapEntity> entity = create(registry, name, element, path);
        entity->setPosition(static_cast<float>(position(x)), static_cast<float>(position(y)));
        add(std::move(entity));
    }

    for (const TiXmlElement* element = root->FirstChildElement("generator"); element;
         element = element->NextSiblingElement("generator")) {
        int x = position(required(element, "x", "X not found near GENERATOR tag!", path));
        int y = position(required(element, "y", "Y not found near GENERATOR tag!", path));
        Uint32 interval = leadingCount(required(element, "interval", "INTERVAL not found near GENERATOR tag!", path));
        Uint32 start = leadingCount(required(element, "start", "START not found near GENERATOR tag!", path));
        auto generator = std::make_unique<CMapGenerator>(x, y, interval, start);
        for (const TiXmlElement* child = element->FirstChildElement("generatorentity"); child;
             child = child->NextSiblingElement("generatorentity")) {
            const char* name = required(child, "name", "NAME not found near ENTITY(GENERATOR) tag!", path);
            generator->push(create(registry, name, child, path));
            log.write(std::string("Generator entity") + name);
        }
        log.write("Generator push back");
        addGenerator(std::move(generator));
    }
    choosePlayer();
}
