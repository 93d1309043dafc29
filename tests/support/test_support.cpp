#include "support/test_support.h"

#include "app/data_file.h"
#include "app/logger.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

ScopedVariable::ScopedVariable(const char* variable, const char* value) : name(variable)
{
    if (const char* old = std::getenv(variable)) {
        hadValue = true;
        previous = old;
    }
    if (value)
        setenv(variable, value, 1);
    else
        unsetenv(variable);
}

ScopedVariable::~ScopedVariable()
{
    if (hadValue)
        setenv(name.c_str(), previous.c_str(), 1);
    else
        unsetenv(name.c_str());
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

unsigned fileMode(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

bool fileExists(const std::string& path)
{
    return fs::exists(path);
}

LogCapture::LogCapture()
{
    CLogger::instance().capture(&captured);
}

LogCapture::~LogCapture()
{
    CLogger::instance().capture(nullptr);
}

bool LogCapture::contains(const std::string& line) const
{
    return count(line) > 0;
}

int LogCapture::count(const std::string& line) const
{
    return static_cast<int>(std::count(captured.begin(), captured.end(), line));
}

int LogCapture::countPrefix(const std::string& prefix) const
{
    return static_cast<int>(std::count_if(captured.begin(), captured.end(),
                                          [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

std::string makeOversized(const std::string& path)
{
    EXPECT_EQ(truncate(path.c_str(), dataFileSizeLimit + 1), 0) << path;
    return path;
}

AsAnotherUser::AsAnotherUser()
{
    const uid_t nobody = 65534;
    if (geteuid() == 0) {
        switched = seteuid(nobody) == 0;
        EXPECT_TRUE(switched) << "cannot take on the user nobody";
    }
}

AsAnotherUser::~AsAnotherUser()
{
    if (switched)
        EXPECT_EQ(seteuid(0), 0);
}
