#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/gl_texture_table.h"

namespace {

SDL_Surface* smallSurface()
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0xFF0000, 0xFF00, 0xFF, 0);
}

TEST(TextureTable, ASurfaceFindsItsOwnEntryOnly)
{
    auto table = GlTextureTable::create();
    ASSERT_TRUE(table);
    SDL_Surface* a = smallSurface();
    SDL_Surface* b = smallSurface();
    EXPECT_EQ(table->find(a), nullptr);
    TexInfo* entry = table->acquire(a);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(table->acquire(a), entry);
    EXPECT_EQ(table->find(a), entry);
    EXPECT_EQ(table->find(b), nullptr);
    EXPECT_EQ(table->inUse(), 1);

    // A surface that claims an entry of another (a stale index) does not get it.
    b->unused1 = a->unused1;
    EXPECT_EQ(table->find(b), nullptr);
    b->unused1 = 0;

    table->release(*entry);
    EXPECT_EQ(a->unused1, 0u);
    EXPECT_EQ(table->find(a), nullptr);
    EXPECT_EQ(table->inUse(), 0);
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
}

TEST(TextureTable, HoldsSixteenThousandEntriesAndReusesFreedOnes)
{
    auto table = GlTextureTable::create();
    std::vector<SDL_Surface*> surfaces;
    for (int i = 0; i < GlTextureTable::entryCount; ++i) {
        surfaces.push_back(smallSurface());
        ASSERT_NE(table->acquire(surfaces.back()), nullptr) << i;
    }
    SDL_Surface* oneTooMany = smallSurface();
    EXPECT_EQ(table->acquire(oneTooMany), nullptr);
    EXPECT_EQ(oneTooMany->unused1, 0u);

    table->release(*table->find(surfaces[100]));
    TexInfo* reused = table->acquire(oneTooMany);
    ASSERT_NE(reused, nullptr);
    EXPECT_EQ(table->indexOf(*reused), 100);
    for (SDL_Surface* s : surfaces)
        SDL_FreeSurface(s);
    SDL_FreeSurface(oneTooMany);
}

TEST(TextureTable, ReportsTheEntriesStillInUse)
{
    auto table = GlTextureTable::create();
    SDL_Surface* quiet = smallSurface();
    table->release(*table->acquire(quiet));
    ::testing::internal::CaptureStderr();
    table->reportLeaks();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    SDL_Surface* a = smallSurface();
    SDL_Surface* b = smallSurface();
    table->acquire(a);
    TexInfo* tiled = table->acquire(b);
    planTiles(300, 40, 256, tiled->tiles);
    ::testing::internal::CaptureStderr();
    table->reportLeaks();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "glSDL/wrapper: Leaked TexInfo 0! (0 0x0 textures)\n"
              "glSDL/wrapper: Leaked TexInfo 1! (2 256x64 textures)\n"
              "glSDL/wrapper: Leaked 2 TexInfos!\n");
    for (SDL_Surface* s : {quiet, a, b})
        SDL_FreeSurface(s);
}

}
