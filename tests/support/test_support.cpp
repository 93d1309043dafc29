#include "support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "zepo-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    if (!made)
        ADD_FAILURE() << "cannot create a temporary directory";
    dir = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& contents) const
{
    fs::path target = fs::path(dir) / name;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out << contents;
    return target.string();
}

ScopedChdir::ScopedChdir(const std::string& dir) : previous(fs::current_path().string())
{
    fs::current_path(dir);
}

ScopedChdir::~ScopedChdir()
{
    fs::current_path(previous);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool fileExists(const std::string& path)
{
    return fs::exists(path);
}
