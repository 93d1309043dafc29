#pragma once

#include <string>

// While one lives, every write() of this program into a file of the folder (or below it) fails
// with ENOSPC, as on a disk with no room left; other writes go through.
class FullDisk
{
public:
    explicit FullDisk(const std::string& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
};
