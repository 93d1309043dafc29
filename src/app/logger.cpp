#include "app/logger.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

CLogger::CLogger()
{
    const char* setting = std::getenv("ZEPO_LOG");
    toStderr = setting && std::strcmp(setting, "1") == 0;
}

void CLogger::write(const std::string& message)
{
    if (toStderr)
        std::fprintf(stderr, "%s\n", message.c_str());
    if (captured)
        captured->push_back(message);
}

std::string pointerText(const void* address)
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", address);
    return text;
}
