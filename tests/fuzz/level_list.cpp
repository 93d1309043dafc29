// The level list of a level set, and every name in it looked up again.
#include "fuzz/fuzz_support.h"
#include "level/level_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInputFile input(data, size, "levellist.xml");
    refusalsAreFine([&] {
        std::unique_ptr<CLevelList> list = readLevelList(input.path());
        for (size_t index = 0; index < list->count(); ++index)
            list->indexOf(list->name(index));
    });
    return 0;
}
