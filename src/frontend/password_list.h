#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/singleton.h"

// Level passwords: pairs of a level name and the word that starts a game at that level.
class CPasswordList : public Singleton<CPasswordList>
{
public:
    ~CPasswordList() override = default;

    void add(const std::string& levelName, const std::string& password);
    // The password of the last pair for that level, or "".
    std::string passwordOf(const std::string& levelName) const;
    // The level of the last pair with exactly that password, or "".
    std::string levelOf(const std::string& password) const;
    void clear() { pairs.clear(); }

private:
    std::vector<std::pair<std::string, std::string>> pairs;
};
