#pragma once

#include <string>
#include <vector>

#include "app/singleton.h"

// The single sink for diagnostic messages. It discards them unless the environment
// variable ZEPO_LOG is 1, in which case each message goes to standard error as one line.
class CLogger : public Singleton<CLogger>
{
public:
    CLogger();
    ~CLogger() override = default;

    void write(const std::string& message);
    // Also keeps every message in the given list until called with null (for checks).
    void capture(std::vector<std::string>* lines) { captured = lines; }

private:
    bool toStderr;
    std::vector<std::string>* captured = nullptr;
};

// An address as the log prints it ("0x55d0c0a1b2c0").
std::string pointerText(const void* address);
