#include "frontend/password_list.h"

void CPasswordList::add(const std::string& levelName, const std::string& password)
{
    pairs.emplace_back(levelName, password);
}

std::string CPasswordList::passwordOf(const std::string& levelName) const
{
    std::string found;
    for (const auto& pair : pairs)
        if (pair.first == levelName)
            found = pair.second;
    return found;
}

std::string CPasswordList::levelOf(const std::string& password) const
{
    std::string found;
    for (const auto& pair : pairs)
        if (pair.second == password)
            found = pair.first;
    return found;
}
