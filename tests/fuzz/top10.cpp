// The top-ten table "top10.bin": read, a game entered and written back.
#include "frontend/high_score_table.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInputFile input(data, size, "top10.bin");
    refusalsAreFine([&] {
        CHighScoreTable table;
        table.load(input.path());
        if (table.qualifies(1234))
            table.insert("Ema", 1234);
        highScoreFileBytes(table);
    });
    return 0;
}
