#include "level/hint_file.h"

#include <fstream>
#include <sstream>

std::string readHint(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::string();
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
