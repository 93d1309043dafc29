// Writes the entity catalogue of the designer's guide from the game's own tables: one row per
// entity of the registry, in registration order, with the first frame of its initial frameset
// as a picture, what it does and its collision class.
//
//     zepo_entity_catalogue [--data DIR] [--guide FILE] [--pictures DIR]
//
// By default it reads the source tree's game data and rewrites docs/levels.md and the pictures
// in docs/levels/entities/ (a picture no entity has any more is removed).
#include <SDL.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue_page.h"
#include "entity/entity_catalogue.h"
#include "entity/map_entity_collection.h"
#include "entity_descriptions.h"
#include "entity_pictures.h"
#include "gfx/headless_screen.h"
#include "gfx/sprite.h"

namespace fs = std::filesystem;

namespace {

const char* const spriteCollectionPath = "data/gfx/didudo_sprites.xml";
// Where the pictures lie as the guide's links name them.
const char* const pictureLinkFolder = "levels/entities/";

struct COptions
{
    fs::path data = ZEPO_GAME_DIR;
    fs::path guide = fs::path(ZEPO_SOURCE_DIR) / "docs/levels.md";
    fs::path pictures = fs::path(ZEPO_SOURCE_DIR) / "docs/levels/entities";
};

bool readOptions(int argc, char** argv, COptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 == argc)
            return false;
        const fs::path value = fs::absolute(argv[++i]);
        if (option == "--data")
            options.data = value;
        else if (option == "--guide")
            options.guide = value;
        else if (option == "--pictures")
            options.pictures = value;
        else
            return false;
    }
    return true;
}

// The collision box of the sprite's current frame, as the contact pass uses it.
std::string boxText(const CSprite* sprite)
{
    const CFrame* frame = sprite ? sprite->currentFrame() : nullptr;
    if (!frame || (frame->bW == 0 && frame->bH == 0))
        return "none";
    return std::to_string(frame->bW) + " x " + std::to_string(frame->bH) + " at " + std::to_string(frame->bX) + ", " +
           std::to_string(frame->bY);
}

std::string pictureName(const std::string& entityName)
{
    std::string file;
    for (char c : entityName)
        file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return file + ".png";
}

bool readFile(const fs::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return static_cast<bool>(in);
}

bool writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "zepo_entity_catalogue: %s\n", message.c_str());
    return 1;
}

// The table's rows, the pictures written on the way; false, with the reason, when a picture
// cannot be written.
bool writeRows(const fs::path& pictures, std::vector<CCatalogueLine>& lines, std::set<std::string>& written,
               std::string& error)
{
    const CMapEntityCollection& registry = CMapEntityCollection::instance();
    for (const CEntityRow& row : entityCatalogue) {
        const CMapEntity& prototype = registry.find(row.name);
        const std::string file = pictureName(row.name);
        bool empty = false;
        if (!writeFirstFrame(prototype, (pictures / file).string(), empty, error))
            return false;
        if (!empty)
            written.insert(file);
        const CSprite* sprite = prototype.getSprite();
        lines.push_back({prototype.getName(), prototype.getSpriteName(),
                         sprite ? sprite->currentFramesetName() : std::string(), prototype.getCollisionClass(),
                         boxText(sprite), empty ? std::string() : pictureLinkFolder + file,
                         describe(prototype.getName())});
    }
    return true;
}

// Pictures of entities the registry no longer holds would stay in the guide's folder for ever.
void removeStrayPictures(const fs::path& pictures, const std::set<std::string>& written)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(pictures))
        if (entry.path().extension() == ".png" && !written.count(entry.path().filename().string()))
            fs::remove(entry.path());
}

}

int main(int argc, char** argv)
{
    COptions options;
    if (!readOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: zepo_entity_catalogue [--data DIR] [--guide FILE] [--pictures DIR]\n");
        return 2;
    }

    std::vector<std::string> names;
    for (const CEntityRow& row : entityCatalogue)
        names.push_back(row.name);
    const std::vector<std::string> faults = descriptionFaults(names, entityDescriptionList());
    for (const std::string& fault : faults)
        fail(fault);
    if (!faults.empty())
        return 1;

    std::string guide, updated, error;
    if (!readFile(options.guide, guide))
        return fail("cannot read " + options.guide.string());
    // A guide that lost its markers is refused before any picture is written.
    if (!replaceCatalogue(guide, "", updated, error))
        return fail(options.guide.string() + ": " + error);
    std::error_code made;
    fs::create_directories(options.pictures, made);
    if (made)
        return fail("cannot make " + options.pictures.string() + ": " + made.message());

    fs::current_path(options.data, made);
    if (made)
        return fail("cannot enter the data folder " + options.data.string() + ": " + made.message());
    if (!openHeadlessScreen())
        return fail(std::string("Unable to init SDL: ") + SDL_GetError());
    CSpriteCollection sprites("kolekce");
    sprites.load(spriteCollectionPath);
    setSpriteCollection(&sprites);
    CMapEntityCollection::instance().registerCatalogue();

    std::vector<CCatalogueLine> lines;
    std::set<std::string> written;
    const bool drawn = writeRows(options.pictures, lines, written, error);
    CMapEntityCollection::instance().clear();
    setSpriteCollection(nullptr);
    if (!drawn)
        return fail(error);
    removeStrayPictures(options.pictures, written);

    if (!replaceCatalogue(guide, catalogueTable(lines), updated, error))
        return fail(options.guide.string() + ": " + error);
    if (updated != guide && !writeFile(options.guide, updated))
        return fail("cannot write " + options.guide.string());
    return 0;
}
