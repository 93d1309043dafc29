// A level's hint file, broken into the lines of the hint window and written with its font.
#include "frontend/stav_tip.h"
#include "fuzz/fuzz_support.h"
#include "gfx/font.h"
#include "level/hint_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzStartSdl();
    static CFont* font = loadFont("fontsmall2.png").release();
    CFuzzInputFile input(data, size, "l1_hint.xml");
    refusalsAreFine([&] {
        int y = 0;
        for (const std::string& line : wrapHint(readHint(input.path()), *font)) {
            font->write(fuzzCanvas(), line, 100, y);
            y = (y + font->height()) % 480;
        }
    });
    return 0;
}
