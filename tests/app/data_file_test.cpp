#include <gtest/gtest.h>

#include <sys/stat.h>
#include <tinyxml.h>
#include <unistd.h>

#include "app/data_file.h"
#include "app/xml_file.h"
#include "support/test_support.h"

namespace {

TEST(DataFile, OnlyARegularFileOfASaneSizeIsOpened)
{
    TempDir dir;
    const std::string fifo = dir.file("pipe.xml");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(dataFileProblem(dir.write("ok.xml", "<a/>")), "");
    EXPECT_EQ(dataFileProblem(dir.path()), "is a folder, not a file");
    EXPECT_EQ(dataFileProblem(fifo), "is not a regular file");
    EXPECT_EQ(dataFileProblem(makeOversized(dir.write("big.xml", "<a/>"))), "is larger than 64 MiB");
    EXPECT_EQ(dataFileProblem(dir.file("missing.xml")), "No such file or directory");
    EXPECT_EQ(dataFileProblem(""), "no file name given");

    const std::string exact = dir.write("exact.xml", "<a/>");
    ASSERT_EQ(truncate(exact.c_str(), dataFileSizeLimit), 0);
    EXPECT_EQ(dataFileProblem(exact), "");
}

// An empty tiledef names the maps folder itself; the parser would ask for a buffer the size the
// folder reports and abort. Each of these ends like a missing file instead.
TEST(DataFile, AnXmlFileThatIsNoDataFileEndsLikeAMissingOne)
{
    TempDir dir;
    const std::string folder = dir.file("data/maps/");
    dir.write("data/maps/l1_defs.xml", "<level/>");
    const std::string fifo = dir.file("pipe.xml");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = makeOversized(dir.write("big.xml", "<tiledef src=\"t.png\"/>"));
    const std::pair<std::string, std::string> cases[] = {
        {folder, "is a folder, not a file"}, {fifo, "is not a regular file"}, {big, "is larger than 64 MiB"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        TiXmlDocument document;
        EXPECT_EXIT(loadXmlFile(document, c.first), ::testing::ExitedWithCode(255),
                    "zepo: File " + c.first + " not found! \\(" + c.second + "\\)");
    }
}

}
