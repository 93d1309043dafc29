// Frame rates of the rendering layer, measured under an X server (for example
// `xvfb-run -a -s "-screen 0 800x600x24" zepo_bench_render`), vsync off:
//   ClearFlip/opengl        a cleared screen shown, nothing else;
//   SpriteScene/opengl      200 colour-keyed 32 x 32 blits from one sheet, 20 translucent and
//                           10 tinted sprites per frame, drawn as the sprites draw them;
// and the same through the plain path for comparison (where the effects go through temporary
// surfaces). The counters give frames per second and texture uploads per frame: on the OpenGL
// path both must be 0 after the first frame, as the effects are drawn from the sheet's textures.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>

#include "gfx/video.h"

namespace {

constexpr int keyedBlits = 200;
constexpr int translucentBlits = 20;
constexpr int tintedBlits = 10;

SDL_Surface* screenFor(bool openGl)
{
    static int current = -1;
    if (current != int(openGl)) {
        glSDL_ForcePlainPath(!openGl);
        glSDL_SetScale(1);  // the rendering layer itself, at the picture's size whatever the screen
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

SDL_Surface* frameSurface()
{
    return glSDL_CreateRGBSurface(SDL_HWSURFACE, 32, 32, 32, 0xFF, 0xFF00, 0xFF0000, 0);
}

// As a sprite draws a translucent frame: straight from the sheet on the OpenGL screen, through a
// temporary surface elsewhere.
void drawTranslucent(SDL_Surface* sheet, int frame, SDL_Surface* target, int x, int y, Uint8 alpha)
{
    SDL_Rect area = {Sint16(frame * 32), 0, 32, 32};
    SDL_Rect at = {Sint16(x), Sint16(y), 0, 0};
    if (glSDL_DrawTranslucent(sheet, &area, target, &at, alpha))
        return;
    SDL_Surface* temporary = frameSurface();
    glSDL_BlitSurface(sheet, &area, temporary, nullptr);
    glSDL_SetAlpha(temporary, SDL_SRCALPHA, alpha);
    glSDL_SetColorKey(temporary, SDL_SRCCOLORKEY, 0);
    glSDL_BlitSurface(temporary, nullptr, target, &at);
    glSDL_FreeSurface(temporary);
}

// As a sprite draws a tinted frame.
void drawTinted(SDL_Surface* sheet, int frame, SDL_Surface* screen, int x, int y, Uint8 green)
{
    SDL_Rect area = {Sint16(frame * 32), 0, 32, 32};
    SDL_Rect at = {Sint16(x), Sint16(y), 0, 0};
    if (glSDL_DrawTinted(sheet, &area, screen, &at, 30, green, green))
        return;
    SDL_Surface* tinted = frameSurface();
    const Uint32 tint = SDL_MapRGB(tinted->format, 30, green, green);
    glSDL_FillRect(tinted, nullptr, tint);
    drawTranslucent(sheet, frame, tinted, 0, 0, 128);
    glSDL_SetColorKey(tinted, SDL_SRCCOLORKEY, tint);
    glSDL_BlitSurface(tinted, nullptr, screen, &at);
    glSDL_FreeSurface(tinted);
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
    auto drawFrame = [&](unsigned long& sheetUploads, unsigned long& effectUploads) {
        glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 20, 30, 60));
        const unsigned long start = glSDL_TextureUploads();
        for (int i = 0; i < keyedBlits; ++i) {
            SDL_Rect frame = {Sint16((i % 8) * 32), 0, 32, 32};
            SDL_Rect at = {Sint16((i * 37 + frameNumber) % 608), Sint16((i * 53) % 448), 0, 0};
            glSDL_BlitSurface(sheet, &frame, screen, &at);
        }
        const unsigned long afterSheet = glSDL_TextureUploads();
        for (int i = 0; i < translucentBlits; ++i)
            drawTranslucent(sheet, i % 8, screen, (i * 31 + frameNumber) % 608, (i * 23) % 448, 128);
        // The tint changes every frame, as a fainted bird's does.
        for (int i = 0; i < tintedBlits; ++i)
            drawTinted(sheet, i % 8, screen, (i * 43 + frameNumber) % 608, (i * 41) % 448, Uint8(frameNumber * 7));
        sheetUploads += afterSheet - start;
        effectUploads += glSDL_TextureUploads() - afterSheet;
        glSDL_Flip(screen);
        ++frameNumber;
    };

    unsigned long firstSheet = 0, firstEffects = 0;
    drawFrame(firstSheet, firstEffects);
    unsigned long sheetUploads = 0, effectUploads = 0;
    for (auto _ : state)
        drawFrame(sheetUploads, effectUploads);

    const double frames = double(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["first_frame_uploads"] = double(firstSheet + firstEffects);
    state.counters["sheet_uploads_per_frame"] = double(sheetUploads) / frames;
    state.counters["effect_uploads_per_frame"] = double(effectUploads) / frames;
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
