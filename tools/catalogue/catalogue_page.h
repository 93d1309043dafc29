#pragma once

#include <string>
#include <vector>

// The designer's guide holds the entity catalogue as a Markdown table between two marker lines;
// this tool writes it from the game's own registry, never by hand.
extern const char* const catalogueBegin;
extern const char* const catalogueEnd;

// One row of the guide's table, as the registry and the sprite collection give it.
struct CCatalogueLine
{
    std::string name;
    std::string sprite;
    std::string frameset;
    unsigned collisionClass;
    std::string box;      // the first frame's collision box: "25 x 16 at 16, 7", or "none"
    std::string picture;  // the picture's path relative to the guide; empty when the frame is empty
    std::string description;
};

// What a collision class means to a designer: "3 hostile body" and so on.
std::string collisionClassText(unsigned collisionClass);

// The table, one line per entity in the order given, each line ending in '\n'.
std::string catalogueTable(const std::vector<CCatalogueLine>& lines);

// The guide with the text between its marker lines replaced by the table. False, with the
// reason, when the markers are missing, repeated or in the wrong order.
bool replaceCatalogue(const std::string& guide, const std::string& table, std::string& result, std::string& error);

// One description of what an entity does, keyed by its name.
struct CEntityDescription
{
    const char* name;
    const char* text;
};

// The faults of a description table against the registry's names: a name without a description,
// a description of no entity, a name described twice. None when they match one to one.
std::vector<std::string> descriptionFaults(const std::vector<std::string>& registryNames,
                                           const std::vector<CEntityDescription>& descriptions);
