#include "catalogue_page.h"

#include <map>

const char* const catalogueBegin =
    "<!-- the entity catalogue is written by zepo_entity_catalogue from the game's registry: do not edit by hand -->\n";
const char* const catalogueEnd = "<!-- end of the entity catalogue -->\n";

namespace {

const char* const classWords[] = {
    "none",
    "player",
    "dropping",
    "hostile body",
    "harmful projectile",
    "creature or scenery",
};

// A table cell holds no line break and no bare column bar.
std::string cell(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '|')
            escaped += "\\|";
        else if (c == '\n')
            escaped += ' ';
        else
            escaped += c;
    }
    return escaped;
}

size_t count(const std::string& text, const std::string& part)
{
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++found;
    return found;
}

}

std::string collisionClassText(unsigned collisionClass)
{
    const size_t known = sizeof classWords / sizeof classWords[0];
    const char* words = collisionClass < known ? classWords[collisionClass] : "unknown";
    return std::to_string(collisionClass) + " " + words;
}

std::string catalogueTable(const std::vector<CCatalogueLine>& lines)
{
    std::string table = "| Picture | Name | What it does | Collision class | Box | Sprite, first frameset |\n"
                        "|---|---|---|---|---|---|\n";
    for (const CCatalogueLine& line : lines) {
        const std::string picture =
            line.picture.empty() ? "(empty frame)" : "![" + cell(line.name) + "](" + line.picture + ")";
        table += "| " + picture + " | `" + cell(line.name) + "` | " + cell(line.description) + " | " +
                 collisionClassText(line.collisionClass) + " | " + cell(line.box) + " | " + cell(line.sprite) + ", " +
                 cell(line.frameset) + " |\n";
    }
    return table;
}

bool replaceCatalogue(const std::string& guide, const std::string& table, std::string& result, std::string& error)
{
    const size_t begins = count(guide, catalogueBegin), ends = count(guide, catalogueEnd);
    if (begins != 1 || ends != 1) {
        error = "the guide must hold each marker line of the entity catalogue once (it holds the first " +
                std::to_string(begins) + " times, the second " + std::to_string(ends) + " times)";
        return false;
    }
    const size_t begin = guide.find(catalogueBegin), end = guide.find(catalogueEnd);
    if (end < begin) {
        error = "the end marker of the entity catalogue comes before its start marker";
        return false;
    }
    const size_t tableStart = begin + std::string(catalogueBegin).size();
    result = guide.substr(0, tableStart) + table + guide.substr(end);
    return true;
}

std::vector<std::string> descriptionFaults(const std::vector<std::string>& registryNames,
                                           const std::vector<CEntityDescription>& descriptions)
{
    std::vector<std::string> faults;
    std::map<std::string, int> described;
    for (const CEntityDescription& description : descriptions)
        if (++described[description.name] == 2)
            faults.push_back(std::string(description.name) + " is described more than once");
    for (const std::string& name : registryNames)
        if (described.erase(name) == 0)
            faults.push_back(name + " is in the registry but has no description");
    for (const auto& stray : described)
        faults.push_back(stray.first + " is described but is no entity of the registry");
    return faults;
}
