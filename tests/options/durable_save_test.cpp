#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

#include "options/option_file.h"
#include "support/test_support.h"

namespace {

// Every fsync of this program: what it synced, and what the target file held at that moment.
struct SyncCall
{
    std::string synced;
    std::string targetThen;
};
std::vector<SyncCall> syncCalls;
std::string watchedTarget;

std::string pathOf(int descriptor)
{
    char link[PATH_MAX] = {};
    const std::string fdPath = "/proc/self/fd/" + std::to_string(descriptor);
    const ssize_t length = readlink(fdPath.c_str(), link, sizeof link - 1);
    return length > 0 ? std::string(link, static_cast<size_t>(length)) : std::string();
}

}

// Stands in for the C library's fsync in this test program, writing down each call.
extern "C" int fsync(int descriptor)
{
    syncCalls.push_back({pathOf(descriptor), fileExists(watchedTarget) ? readFile(watchedTarget) : "(none)"});
    return static_cast<int>(syscall(SYS_fsync, descriptor));
}

namespace {

TEST(DurableSave, TheNewFileIsSyncedBeforeTheRenameAndTheFolderAfterIt)
{
    TempDir dir;
    watchedTarget = dir.write("top10.bin", "old");
    const int folderDescriptor = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    const std::string folder = pathOf(folderDescriptor);
    close(folderDescriptor);
    syncCalls.clear();
    ASSERT_TRUE(replaceFile(watchedTarget, "new"));
    ASSERT_EQ(syncCalls.size(), 2u);
    EXPECT_EQ(syncCalls[0].synced, folder + "/top10.bin.tmp");
    EXPECT_EQ(syncCalls[0].targetThen, "old");
    EXPECT_EQ(syncCalls[1].synced, folder);
    EXPECT_EQ(syncCalls[1].targetThen, "new");
    EXPECT_EQ(readFile(watchedTarget), "new");
}

}
