// Draws every sprite of the game's collection, every frameset animating, and sample text in the
// three fonts, page after page on the real 640 x 480 screen, and saves each page as a picture
// (sprite_viewer/page_N.bmp in the build directory, also .png when ImageMagick is there) so that
// the art can be looked at 1:1 as the game shows it. The checks catch sprites that draw nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/clock.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "gfx/video.h"

namespace fs = std::filesystem;

namespace {

// Whether anything but the backdrop colour was drawn inside the rectangle.
bool drewSomething(SDL_Surface* screen, int x, int y, int w, int h, Uint32 backdrop)
{
    SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Rect from = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    glSDL_BlitSurface(screen, &from, copy, nullptr);
    SDL_LockSurface(copy);
    bool found = false;
    for (int row = 0; row < h && !found; ++row) {
        const Uint32* pixels = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(copy->pixels) + row * copy->pitch);
        for (int column = 0; column < w && !found; ++column)
            found = (pixels[column] & 0xFFFFFF) != backdrop;
    }
    SDL_UnlockSurface(copy);
    SDL_FreeSurface(copy);
    return found;
}

class SpriteViewer : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        outDir = fs::current_path() / "sprite_viewer";
        fs::create_directories(outDir);
        ASSERT_EQ(chdir(ZEPO_GAME_DIR), 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER), 0);
        ASSERT_NE(glSDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF | GLSDL_OPENGL), nullptr);
    }
    static void TearDownTestSuite() { glSDL_Quit(); }

    void savePage(SDL_Surface* screen, int page)
    {
        SDL_Surface* shot = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 24, 0xFF0000, 0xFF00, 0xFF, 0);
        glSDL_BlitSurface(screen, nullptr, shot, nullptr);
        std::string bmp = (outDir / ("page_" + std::to_string(page) + ".bmp")).string();
        SDL_SaveBMP(shot, bmp.c_str());
        SDL_FreeSurface(shot);
        std::string convert = "convert '" + bmp + "' '" + bmp.substr(0, bmp.size() - 4) + ".png' 2>/dev/null";
        if (std::system(convert.c_str()) != 0)
            std::fprintf(stderr, "no ImageMagick: left %s as it is\n", bmp.c_str());
    }

    static fs::path outDir;
};

fs::path SpriteViewer::outDir;

TEST_F(SpriteViewer, EveryFramesetOfEverySpriteDrawsSomething)
{
    CSpriteCollection collection("kolekce");
    collection.load("data/gfx/didudo_sprites.xml");
    ASSERT_GT(collection.size(), 0u);
    setSpriteCollection(&collection);
    SDL_Surface* screen = glSDL_GetVideoSurface();
    const Uint32 backdrop = 0x5A7896;
    Uint32 mapped = SDL_MapRGB(screen->format, 0x5A, 0x78, 0x96);

    int page = 0, x = 0, y = 0, rowHeight = 0;
    std::vector<std::unique_ptr<CSprite>> onPage;
    std::vector<std::string> blank;
    auto finishPage = [&] {
        // Animate the page for a second of frames so every frameset runs, then keep it.
        for (int frame = 0; frame < 30; ++frame) {
            glSDL_FillRect(screen, nullptr, mapped);
            for (auto& sprite : onPage)
                sprite->drawAnimated(screen);
            if (frame < 29)
                glSDL_Flip(screen);
            SDL_Delay(30);
        }
        savePage(screen, page++);
        glSDL_Flip(screen);
        onPage.clear();
        x = y = rowHeight = 0;
    };
    for (size_t s = 0; s < collection.size(); ++s) {
        const CSprite& templ = collection.at(s);
        for (size_t f = 0; f < templ.framesetCount(); ++f) {
            auto sprite = std::make_unique<CSprite>(templ);
            CFrameset* set = sprite->framesetAt(f);
            sprite->setFrameset(set->getName());
            int w = set->currentWidth(), h = set->currentHeight();
            ASSERT_GT(w, 0) << templ.getName() << " " << set->getName();
            if (x + w > 640) {
                x = 0;
                y += rowHeight + 4;
                rowHeight = 0;
            }
            if (y + h > 480)
                finishPage();
            sprite->setPosition(x, y);
            glSDL_FillRect(screen, nullptr, mapped);
            CSprite still(templ);
            still.setFrameset(set->getName());
            still.setPosition(x, y);
            still.drawAnimated(screen);
            if (!drewSomething(screen, x, y, w, h, backdrop) && set->getName() != "INVISIBLE" &&
                set->getName() != "EMPTY")
                blank.push_back(templ.getName() + " " + set->getName());
            x += w + 4;
            rowHeight = std::max(rowHeight, h);
            onPage.push_back(std::move(sprite));
        }
    }
    finishPage();
    setSpriteCollection(nullptr);
    EXPECT_TRUE(blank.empty()) << "framesets that draw nothing: " << ::testing::PrintToString(blank);
}

// The translucent and tinted sprites of a level (a shielded bird, a fading power-up, a fainted
// bird whose tint brightens every frame) are drawn from their sheets' textures: after the first
// frame nothing is uploaded any more.
TEST_F(SpriteViewer, TranslucentAndTintedSpritesUploadNothingAfterTheirFirstFrame)
{
    CSpriteCollection collection("kolekce");
    collection.load("data/gfx/didudo_sprites.xml");
    ASSERT_GE(collection.size(), 6u);
    SDL_Surface* screen = glSDL_GetVideoSurface();
    ASSERT_TRUE(glSDL_UsingOpenGL());
    std::vector<std::unique_ptr<CSprite>> sprites;
    for (size_t s = 0; s < 6; ++s) {
        sprites.push_back(std::make_unique<CSprite>(collection.at(s)));
        sprites.back()->setPosition(int(s) * 100, 200);
    }
    unsigned long firstFrame = 0;
    for (int frame = 0; frame < 20; ++frame) {
        const unsigned long before = glSDL_TextureUploads();
        glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0x5A, 0x78, 0x96));
        for (size_t s = 0; s < sprites.size(); ++s) {
            if (s % 2 == 0)
                sprites[s]->drawTranslucent(screen, s == 0 ? 128 : 255 - 12 * frame);
            else
                sprites[s]->drawTinted(screen, 30, Uint8(40 + 9 * frame), Uint8(40 + 9 * frame));
        }
        glSDL_Flip(screen);
        const unsigned long uploads = glSDL_TextureUploads() - before;
        if (frame == 0)
            firstFrame = uploads;
        else
            EXPECT_EQ(uploads, 0u) << "frame " << frame;
    }
    EXPECT_GT(firstFrame, 0u);
}

TEST_F(SpriteViewer, TheThreeFontsWriteTheirWholeAlphabet)
{
    SDL_Surface* screen = glSDL_GetVideoSurface();
    Uint32 mapped = SDL_MapRGB(screen->format, 0x5A, 0x78, 0x96);
    glSDL_FillRect(screen, nullptr, mapped);
    std::string alphabet;
    for (int c = 33; c < 127; ++c)
        alphabet += static_cast<char>(c);
    int y = 10;
    for (const char* file : {"font1.png", "font2.png", "fontsmall2.png"}) {
        std::unique_ptr<CFont> font = loadFont(file);
        for (size_t start = 0; start < alphabet.size(); start += 32) {
            std::string part = alphabet.substr(start, 32);
            font->write(screen, part, 10, y);
            EXPECT_TRUE(drewSomething(screen, 10, y, std::min(620, font->textWidth(part)), font->height(), 0x5A7896))
                << file;
            y += font->height();
        }
        font->write(screen, "VYHRA! CELKEM SKORE: 1,234,567", 10, y);
        y += font->height() + 6;
    }
    savePage(screen, 99);
    glSDL_Flip(screen);
}

}
