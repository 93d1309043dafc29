#include "level/hint_file.h"

#include <fstream>

#include "app/data_file.h"
#include <sstream>

std::string readHint(const std::string& path)
{
    if (!dataFileProblem(path).empty())
        return std::string();
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::string();
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
