// Reading the tile definitions file: <tiledef src> holds <tileSprite name x y> pictures cut from the
// tile image and <tile name id walkable special tileSprite [atribut1 .. atribut5]> definitions.
#include <tinyxml.h>

#include <algorithm>

#include "app/fatal.h"
#include "app/xml_file.h"
#include "app/text_number.h"
#include "gfx/surface_manager.h"
#include "level/map.h"

namespace {

struct RequiredAttribute
{
    const char* attribute;
    const char* missing;
};

const RequiredAttribute spriteAttributes[] = {
    {"name", "NAME not found near TILESPRITE tag!"},
    {"x", "X not found near TILESPRITE tag!"},
    {"y", "Y not found near TILESPRITE tag!"},
};

const RequiredAttribute tileAttributes[] = {
    {"name", "NAME not found near TILE tag!"},
    {"id", "ID not found near TILE tag!"},
    {"walkable", "WALKABLE not found near TILE tag!"},
    {"special", "SPECIAL not found near TILE tag!"},
    {"tileSprite", "TILESPRITE not found near TILE tag!"},
};

const char* const attributeNames[5] = {"atribut1", "atribut2", "atribut3", "atribut4", "atribut5"};

// The values of the required attributes, in table order; the first missing one ends the program.
template <size_t N>
void readRequired(const TiXmlElement* element, const RequiredAttribute (&table)[N], const char* (&values)[N],
                  const std::string& path)
{
    for (size_t i = 0; i < N; ++i) {
        values[i] = element->Attribute(table[i].attribute);
        if (!values[i])
            fatalErrorAt(path, element->Row(), table[i].missing);
    }
}

Sint16 leadingSint16(const char* text)
{
    return static_cast<Sint16>(leadingUint16(text));
}

}

void CMap::loadTileDefinitions(const std::string& path)
{
    TiXmlDocument document;
    loadXmlFile(document, path);
    const TiXmlElement* root = document.FirstChildElement("tiledef");
    if (!root)
        return;
    const char* source = root->Attribute("src");
    if (!source)
        fatalErrorAt(path, root->Row(), "NAME not found near TILESPRITE tag!");
    tiles = CSurfaceManager::instance().getSurface(source);

    for (const TiXmlElement* element = root->FirstChildElement("tileSprite"); element;
         element = element->NextSiblingElement("tileSprite")) {
        const char* values[3];
        readRequired(element, spriteAttributes, values, path);
        sprites.push_back({values[0], leadingSint16(values[1]), leadingSint16(values[2])});
    }

    // An attribute a tile leaves out keeps the value of the last tile that gave it.
    float attributes[5] = {};
    for (const TiXmlElement* element = root->FirstChildElement("tile"); element;
         element = element->NextSiblingElement("tile")) {
        const char* values[5];
        readRequired(element, tileAttributes, values, path);
        int id = leadingInt(values[1]);
        if (id < 0 || id >= definitionCount)
            fatalErrorAt(path, element->Row(), "ID out of range near TILE tag!");
        for (int i = 0; i < 5; ++i)
            if (const char* value = element->Attribute(attributeNames[i]))
                attributes[i] = static_cast<float>(leadingReal(value));

        CTileDefinition& tile = definitions[id];
        tile.walkable = static_cast<Uint8>(leadingInt(values[2]));
        tile.special = static_cast<Uint8>(leadingInt(values[3]));
        std::copy(attributes, attributes + 5, tile.attributes);
        for (const CTileSprite& sprite : sprites)
            if (sprite.name == values[4]) {
                tile.picture = sprite;
                tile.hasPicture = true;
            }
    }
}
