#pragma once

#include <memory>
#include <string>
#include <vector>

// The levels of a level set in playing order; the position in the list is the level index.
class CLevelList
{
public:
    void add(const std::string& name) { names.push_back(name); }
    size_t count() const { return names.size(); }
    // index < count().
    const std::string& name(size_t index) const { return names[index]; }
    // The index of the first level of that name, -1 if the list has none.
    int indexOf(const std::string& name) const;

private:
    std::vector<std::string> names;
};

// Reads "levellist.xml": top-level <level name> elements in document order, or those of a
// <levelList> root element; a list without any level ends the program.
std::unique_ptr<CLevelList> readLevelList(const std::string& path);
