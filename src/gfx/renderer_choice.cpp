#include "gfx/renderer_choice.h"

#include <algorithm>
#include <cctype>
#include <string>

bool isSoftwareRenderer(const char* renderer)
{
    if (!renderer)
        return false;
    std::string name(renderer);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software rasterizer", "gdi generic"})
        if (name.find(software) != std::string::npos)
            return true;
    return false;
}

bool plainPathInstead(const char* renderer, int largestScale, bool openGlForced)
{
    return !openGlForced && largestScale > 1 && isSoftwareRenderer(renderer);
}
