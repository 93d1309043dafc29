// Reading the map file: <map [background]> holds <layer [bgtiles]> elements, each a screen of
// 20 x 15 cells, filled with bgtiles first and then with its <tile id x y> elements.
#include <tinyxml.h>

#include <algorithm>

#include "app/fatal.h"
#include "app/xml_file.h"
#include "app/logger.h"
#include "app/text_number.h"
#include "gfx/surface_manager.h"
#include "level/map.h"

void CMap::loadMap(const std::string& path)
{
    CLogger& log = CLogger::instance();
    TiXmlDocument document;
    loadXmlFile(document, path);
    const TiXmlElement* root = document.FirstChildElement("map");
    if (!root) {
        log.write("MAP tag not found! This is probably not the map file..");
        return;
    }
    if (const char* background = root->Attribute("background"))
        backgroundImage = CSurfaceManager::instance().getSurface(background);

    for (const TiXmlElement* layerElement = root->FirstChildElement("layer"); layerElement;
         layerElement = layerElement->NextSiblingElement("layer")) {
        layers.emplace_back();
        CMapCell* cells = layers.back().cells;
        if (const char* fill = layerElement->Attribute("bgtiles")) {
            int tileNumber = leadingInt(fill);
            if (tileNumber < 0 || tileNumber >= definitionCount)
                fatalErrorAt(path, layerElement->Row(), "BGTILES out of range near LAYER tag!");
            for (int index = 0; index < cellsPerLayer; ++index)
                cells[index].tileNumber = static_cast<Uint16>(tileNumber);
        }

        for (const TiXmlElement* tileElement = layerElement->FirstChildElement("tile"); tileElement;
             tileElement = tileElement->NextSiblingElement("tile")) {
            const char* id = tileElement->Attribute("id");
            if (!id)
                fatalErrorAt(path, tileElement->Row(), "ID not found near TILE tag!");
            const char* x = tileElement->Attribute("x");
            if (!x)
                fatalErrorAt(path, tileElement->Row(), "X not found near TILE tag!");
            const char* y = tileElement->Attribute("y");
            if (!y)
                fatalErrorAt(path, tileElement->Row(), "Y not found near TILE tag!");
            // Only the cell index is checked, so x 20, y 0 is column 0 of row 1; a negative x or y
            // lies outside the screen.
            long long column = leadingInt(x), row = leadingInt(y);
            long long index = column + columns * row;
            if (column < 0 || row < 0 || index >= cellsPerLayer)
                fatalErrorAt(path, tileElement->Row(), "Coordinates out of bounds!");
            int tileNumber = leadingInt(id);
            if (tileNumber < 0 || tileNumber >= definitionCount)
                fatalErrorAt(path, tileElement->Row(), "ID out of range near TILE tag!");
            cells[index].tileNumber = static_cast<Uint16>(tileNumber);
            const float* attributes = definitions[tileNumber].attributes;
            std::copy(attributes, attributes + 5, cells[index].attributes);
            log.write("New tile");
        }
        log.write("New layer");
    }
}
