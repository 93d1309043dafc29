// The sprite collection file: every sprite it holds is copied as entities copy theirs and each
// frame of each frameset drawn plain, translucent and tinted.
#include "fuzz/fuzz_support.h"
#include "gfx/sprite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzStartSdl();
    CFuzzInputFile input(data, size, "didudo_sprites.xml");
    refusalsAreFine([&] {
        CSpriteCollection collection("kolekce");
        collection.load(input.path());
        for (size_t index = 0; index < collection.size(); ++index) {
            std::unique_ptr<CSprite> sprite = collection.createCopy(collection.at(index).getName());
            for (size_t set = 0; set < sprite->framesetCount(); ++set) {
                sprite->setFrameset(sprite->framesetAt(set)->getName());
                for (size_t frame = 0; frame < sprite->framesetAt(set)->frameCount() && frame < 8; ++frame) {
                    sprite->setPosition(static_cast<int>(frame * 70) - 20, static_cast<int>(set * 40) % 500 - 20);
                    sprite->drawAnimated(fuzzCanvas());
                    sprite->drawTranslucent(fuzzCanvas(), 100);
                    sprite->drawTinted(fuzzCanvas(), 255, 0, 0);
                    sprite->currentBox();
                }
            }
        }
    });
    return 0;
}
