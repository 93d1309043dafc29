#pragma once

#include <SDL.h>

#include <array>
#include <string>
#include <vector>

// A named 32 x 32 picture at (x, y) of the tile image.
struct CTileSprite
{
    std::string name;
    Sint16 x = 0, y = 0;
};

// One numbered tile: walkable 0 is solid, any other value passable. A tile the tile
// definitions file never matched with a picture has none and draws nothing.
struct CTileDefinition
{
    Uint8 walkable = 0;
    Uint8 special = 0;
    CTileSprite picture;
    bool hasPicture = false;
    float attributes[5] = {};
};

// Tile number 0 is the empty tile: never drawn, never solid.
struct CMapCell
{
    Uint16 tileNumber = 0;
    Sint16 penalty = 0;
    float attributes[5] = {};
};

// One screen of cells in row-major order: index = column + 20 * row.
struct CMapLayer
{
    CMapCell cells[300];
};

// The level's tiles and layers: read from the tile definitions file first, then from the map file,
// drawn every frame in two passes around the entities (layers 0 and 1 behind them, the rest in front).
class CMap
{
public:
    static const int tileSize = 32, columns = 20, rows = 15, cellsPerLayer = 300, definitionCount = 200;

    void loadTileDefinitions(const std::string& path);
    void loadMap(const std::string& path);

    void drawBackground(SDL_Surface* target);
    // Draws layers first .. end - 1; an end of 0 (or past the last layer) means up to the last one.
    void drawLayers(size_t first, size_t end, SDL_Surface* target);

    size_t layerCount() const { return layers.size(); }
    // layer < layerCount(), index < 300.
    CMapCell& cell(size_t layer, size_t index) { return layers[layer].cells[index]; }
    // The definition of a tile number below 200; any other number has the empty definition.
    const CTileDefinition& definition(Uint16 tileNumber) const;
    // 0 for a cell index above 299 or a layer the map does not have.
    Uint16 tileNumberAt(size_t layer, size_t index) const;
    // Whether the cell holds a non-empty tile that is not walkable.
    bool blocks(size_t layer, size_t index) const;

    SDL_Surface* tileImage() const { return tiles; }
    SDL_Surface* background() const { return backgroundImage; }
    const std::vector<CTileSprite>& tileSprites() const { return sprites; }

private:
    SDL_Surface* tiles = nullptr;
    SDL_Surface* backgroundImage = nullptr;
    std::array<CTileDefinition, definitionCount> definitions;
    std::vector<CTileSprite> sprites;
    std::vector<CMapLayer> layers;
};
