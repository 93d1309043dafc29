// The option files: the input read as "controls.cfg" and through the reader every option file
// shares.
#include "fuzz/fuzz_support.h"
#include "options/option_file.h"
#include "options/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInputFile input(data, size, "controls.cfg");
    refusalsAreFine([&] {
        CControlOptions& keys = CControlOptions::instance();
        keys.load(input.path());
        controlOptionsText(keys);
        keys.up = SDLK_w;
        keys.down = SDLK_s;
        keys.left = SDLK_a;
        keys.right = SDLK_d;
        keys.shoot = SDLK_SPACE;
        int lines = 0;
        CPlayerFile file(input.path());
        readOptionFile(file, [&](const std::string& keyword, int value) { lines += static_cast<int>(keyword.size()) + value; });
    });
    return 0;
}
