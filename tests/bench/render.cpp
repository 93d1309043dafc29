// Frame rates of the rendering layer, measured under an X server (for example
// `xvfb-run -a -s "-screen 0 800x600x24" zepo_bench_render`), vsync off:
//   ClearFlip/opengl        a cleared screen shown, nothing else;
//   SpriteScene/opengl      200 colour-keyed 32 x 32 blits from one sheet and 20 translucent
//                           sprites (each through its own temporary surface) per frame;
// and the same through the plain path for comparison. The counters give frames per second and
// texture uploads per frame: those of the unchanged sheet must be 0 after the first frame, the
// translucent sprites cost one upload each.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>

#include "gfx/video.h"

namespace {

constexpr int keyedBlits = 200;
constexpr int translucentBlits = 20;

SDL_Surface* screenFor(bool openGl)
{
    static int current = -1;
    if (current != int(openGl)) {
        glSDL_ForcePlainPath(!openGl);
        if (!glSDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF | GLSDL_OPENGL))
            return nullptr;
        current = int(openGl);
    }
    return glSDL_GetVideoSurface();
}

// Eight 32 x 32 frames on cyan, keyed and display-formatted as the surface manager does it.
SDL_Surface* makeSheet()
{
    SDL_Surface* sheet = glSDL_CreateRGBSurface(SDL_SWSURFACE, 256, 32, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    glSDL_FillRect(sheet, nullptr, SDL_MapRGB(sheet->format, 0, 255, 255));
    for (int frame = 0; frame < 8; ++frame) {
        SDL_Rect body = {Sint16(frame * 32 + 4), Sint16(4 + frame), 24, Uint16(24 - frame)};
        glSDL_FillRect(sheet, &body, SDL_MapRGB(sheet->format, Uint8(30 * frame), 200, Uint8(255 - 30 * frame)));
    }
    glSDL_SetColorKey(sheet, SDL_SRCCOLORKEY, SDL_MapRGB(sheet->format, 0, 255, 255));
    SDL_Surface* converted = glSDL_DisplayFormat(sheet);
    glSDL_FreeSurface(sheet);
    return converted;
}

void drawTranslucent(SDL_Surface* sheet, int frame, SDL_Surface* screen, int x, int y)
{
    SDL_Surface* temporary = glSDL_CreateRGBSurface(SDL_HWSURFACE, 32, 32, 32, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_Rect area = {Sint16(frame * 32), 0, 32, 32};
    glSDL_BlitSurface(sheet, &area, temporary, nullptr);
    glSDL_SetAlpha(temporary, SDL_SRCALPHA, 128);
    glSDL_SetColorKey(temporary, SDL_SRCCOLORKEY, 0);
    SDL_Rect at = {Sint16(x), Sint16(y), 0, 0};
    glSDL_BlitSurface(temporary, nullptr, screen, &at);
    glSDL_FreeSurface(temporary);
}

void clearFlip(benchmark::State& state)
{
    SDL_Surface* screen = screenFor(state.range(0) != 0);
    if (!screen) {
        state.SkipWithError("no video mode");
        return;
    }
    for (auto _ : state) {
        glSDL_FillRect(screen, nullptr, 0);
        glSDL_Flip(screen);
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void spriteScene(benchmark::State& state)
{
    SDL_Surface* screen = screenFor(state.range(0) != 0);
    if (!screen) {
        state.SkipWithError("no video mode");
        return;
    }
    SDL_Surface* sheet = makeSheet();
    int frameNumber = 0;
    auto drawFrame = [&](unsigned long& sheetUploads, unsigned long& translucentUploads) {
        glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 20, 30, 60));
        const unsigned long start = glSDL_TextureUploads();
        for (int i = 0; i < keyedBlits; ++i) {
            SDL_Rect frame = {Sint16((i % 8) * 32), 0, 32, 32};
            SDL_Rect at = {Sint16((i * 37 + frameNumber) % 608), Sint16((i * 53) % 448), 0, 0};
            glSDL_BlitSurface(sheet, &frame, screen, &at);
        }
        const unsigned long afterSheet = glSDL_TextureUploads();
        for (int i = 0; i < translucentBlits; ++i)
            drawTranslucent(sheet, i % 8, screen, (i * 31 + frameNumber) % 608, (i * 23) % 448);
        sheetUploads += afterSheet - start;
        translucentUploads += glSDL_TextureUploads() - afterSheet;
        glSDL_Flip(screen);
        ++frameNumber;
    };

    unsigned long firstSheet = 0, firstTranslucent = 0;
    drawFrame(firstSheet, firstTranslucent);
    unsigned long sheetUploads = 0, translucentUploads = 0;
    for (auto _ : state)
        drawFrame(sheetUploads, translucentUploads);

    const double frames = double(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["first_frame_uploads"] = double(firstSheet + firstTranslucent);
    state.counters["sheet_uploads_per_frame"] = double(sheetUploads) / frames;
    state.counters["translucent_uploads_per_frame"] = double(translucentUploads) / frames;
    glSDL_FreeSurface(sheet);
}

BENCHMARK(clearFlip)->ArgName("opengl")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(spriteScene)->ArgName("opengl")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "zepo_bench_render: %s\n", SDL_GetError());
        return 1;
    }
    glSDL_SetVsync(false);
    benchmark::RunSpecifiedBenchmarks();
    glSDL_Quit();
    return 0;
}
