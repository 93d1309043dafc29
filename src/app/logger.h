#pragma once

#include <string>

#include "app/singleton.h"

// The single sink for diagnostic messages. It discards them unless the environment
// variable ZEPO_LOG is 1, in which case each message goes to standard error as one line.
class CLogger : public Singleton<CLogger>
{
public:
    CLogger();
    ~CLogger() override = default;

    void write(const std::string& message);
    bool enabled() const { return toStderr; }

private:
    bool toStderr;
};
