// The rendering layer under a real X server: one scene drawn through the plain SDL path and
// through OpenGL must read back the same, pixel for pixel (blending may round by a step or two).
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gfx/video.h"

namespace {

constexpr Uint32 openGlMode = SDL_DOUBLEBUF | GLSDL_OPENGL;
// Blending in OpenGL and in SDL's blitters may round differently.
constexpr int blendTolerance = 3;
// The OpenGL run forces textures this small so that the 640 x 480 background is cut into tiles.
constexpr int smallTextureSize = 128;

struct Rgba
{
    Uint8 r, g, b, a;
};

using Painter = std::function<Rgba(int x, int y)>;

void paint(SDL_Surface* surface, const Painter& painter)
{
    ASSERT_EQ(glSDL_LockSurface(surface), 0);
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) {
            const Rgba c = painter(x, y);
            const Uint32 pixel = SDL_MapRGBA(surface->format, c.r, c.g, c.b, c.a);
            Uint8* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
            if (surface->format->BytesPerPixel == 4) {
                *reinterpret_cast<Uint32*>(p) = pixel;
            } else {
                p[0] = pixel & 0xFF;
                p[1] = (pixel >> 8) & 0xFF;
                p[2] = (pixel >> 16) & 0xFF;
            }
        }
    glSDL_UnlockSurface(surface);
}

Uint32 pixelAt(SDL_Surface* surface, int x, int y)
{
    return *reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 4);
}

Rgba colourAt(SDL_Surface* surface, int x, int y)
{
    Rgba c;
    SDL_GetRGBA(pixelAt(surface, x, y), surface->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

SDL_Surface* rgbSurface(int w, int h, int depth = 24)
{
    return depth == 24 ? glSDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF, 0xFF00, 0xFF0000, 0)
                       : glSDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
}

// Loads like the surface manager: cyan colour key, then the display format.
SDL_Surface* displayFormatted(SDL_Surface* loaded, bool cyanKey)
{
    if (cyanKey)
        glSDL_SetColorKey(loaded, SDL_SRCCOLORKEY, SDL_MapRGB(loaded->format, 0, 255, 255));
    SDL_Surface* converted =
        loaded->format->Amask ? glSDL_DisplayFormatAlpha(loaded) : glSDL_DisplayFormat(loaded);
    glSDL_FreeSurface(loaded);
    return converted;
}

// Four 32 x 32 frames on a cyan background: a disc, a square with a black core, stripes, a ring.
SDL_Surface* makeSheet()
{
    SDL_Surface* sheet = rgbSurface(128, 32);
    paint(sheet, [](int x, int y) -> Rgba {
        const int frame = x / 32, fx = x % 32 - 16, fy = y - 16;
        const int d2 = fx * fx + fy * fy;
        switch (frame) {
        case 0:
            return d2 < 196 ? Rgba{250, Uint8(60 + d2 / 2), 20, 255} : Rgba{0, 255, 255, 255};
        case 1:
            if (std::abs(fx) < 5 && std::abs(fy) < 5)
                return {0, 0, 0, 255};
            return std::abs(fx) < 12 && std::abs(fy) < 12 ? Rgba{40, 200, 60, 255} : Rgba{0, 255, 255, 255};
        case 2:
            return (x + y) % 6 < 3 ? Rgba{30, 30, 230, 255} : Rgba{0, 255, 255, 255};
        default:
            return d2 > 64 && d2 < 200 ? Rgba{240, 240, 40, 255} : Rgba{0, 255, 255, 255};
        }
    });
    return displayFormatted(sheet, true);
}

struct Scene
{
    SDL_Surface* background = nullptr;  // larger than the forced texture size
    SDL_Surface* sheet = nullptr;       // colour-keyed sprite frames
    SDL_Surface* rekeyed = nullptr;     // the same frames, whose key is changed to black after conversion
    SDL_Surface* glow = nullptr;        // per-pixel alpha
    SDL_Surface* ghost = nullptr;       // per-surface alpha, keyed, left as it is
    SDL_Surface* ghostConverted = nullptr;  // per-surface alpha and key, display-formatted
    SDL_Surface* glyphs = nullptr;      // keyed after conversion, as the fonts are
    SDL_Surface* changing = nullptr;    // drawn, then changed, then drawn again
    SDL_Surface* snapshot = nullptr;

    void make()
    {
        SDL_Surface* bg = rgbSurface(640, 480);
        paint(bg, [](int x, int y) -> Rgba {
            return {Uint8(x * 255 / 639), Uint8(y * 255 / 479), Uint8(((x / 40) + (y / 40)) % 2 ? 180 : 60), 255};
        });
        background = displayFormatted(bg, false);
        sheet = makeSheet();
        rekeyed = makeSheet();
        glSDL_SetColorKey(rekeyed, SDL_SRCCOLORKEY, SDL_MapRGB(rekeyed->format, 0, 0, 0));

        SDL_Surface* alphaImage = glSDL_CreateRGBSurface(SDL_SWSURFACE, 64, 64, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
        paint(alphaImage, [](int x, int y) -> Rgba {
            return {255, Uint8(4 * x), Uint8(255 - 4 * y), Uint8(std::min(255, (x + y) * 2))};
        });
        glow = displayFormatted(alphaImage, false);

        ghost = rgbSurface(80, 40, 32);
        paint(ghost, [](int x, int y) -> Rgba {
            return (x / 8 + y / 8) % 3 == 0 ? Rgba{0, 0, 0, 255} : Rgba{Uint8(200 - x), 20, Uint8(100 + y), 255};
        });
        glSDL_SetColorKey(ghost, SDL_SRCCOLORKEY, SDL_MapRGB(ghost->format, 0, 0, 0));
        glSDL_SetAlpha(ghost, SDL_SRCALPHA, 100);

        SDL_Surface* ghostCopy = rgbSurface(80, 40);
        paint(ghostCopy, [](int x, int y) -> Rgba {
            return (x / 10) % 2 ? Rgba{0, 255, 255, 255} : Rgba{250, Uint8(3 * y), 90, 255};
        });
        glSDL_SetAlpha(ghostCopy, SDL_SRCALPHA, 160);
        ghostConverted = displayFormatted(ghostCopy, true);

        SDL_Surface* strip = rgbSurface(90, 20);
        paint(strip, [](int x, int y) -> Rgba {
            return ((x % 15) > 3 && (x % 15) < 11 && y > 3 && y < 17 && (x + y) % 4) ? Rgba{255, 255, 255, 255}
                                                                                     : Rgba{20, 20, 90, 255};
        });
        glyphs = glSDL_DisplayFormat(strip);
        glSDL_FreeSurface(strip);
        glSDL_SetColorKey(glyphs, SDL_SRCCOLORKEY, SDL_MapRGB(glyphs->format, 20, 20, 90));

        changing = rgbSurface(48, 48, 32);
        paint(changing, [](int, int) -> Rgba { return {255, 0, 0, 255}; });

        SDL_Surface* shot = glSDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
        snapshot = glSDL_DisplayFormat(shot);
        glSDL_FreeSurface(shot);
    }

    void free()
    {
        for (SDL_Surface* s : {background, sheet, rekeyed, glow, ghost, ghostConverted, glyphs, changing, snapshot})
            glSDL_FreeSurface(s);
    }
};

int blitAt(SDL_Surface* source, SDL_Rect* area, SDL_Surface* target, int x, int y)
{
    SDL_Rect at = {Sint16(x), Sint16(y), 0, 0};
    return glSDL_BlitSurface(source, area, target, &at);
}

// A sprite frame drawn translucently as the sprites draw it: on the OpenGL screen straight from
// the sheet's textures; elsewhere blitted into a fresh black 32-bit surface, which gets a black
// colour key and per-surface alpha and is blitted to the target.
void drawTranslucent(SDL_Surface* sheet, int frame, SDL_Surface* target, int x, int y, Uint8 alpha)
{
    SDL_Rect from = {Sint16(frame * 32), 0, 32, 32};
    SDL_Rect to = {Sint16(x), Sint16(y), 0, 0};
    if (glSDL_DrawTranslucent(sheet, &from, target, &to, alpha))
        return;
    SDL_Surface* temporary = glSDL_CreateRGBSurface(SDL_HWSURFACE, 32, 32, 32, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_Rect area = {Sint16(frame * 32), 0, 32, 32};
    blitAt(sheet, &area, temporary, 0, 0);
    glSDL_SetAlpha(temporary, SDL_SRCALPHA, alpha);
    glSDL_SetColorKey(temporary, SDL_SRCCOLORKEY, SDL_MapRGB(temporary->format, 0, 0, 0));
    blitAt(temporary, nullptr, target, x, y);
    glSDL_FreeSurface(temporary);
}

// A sprite frame tinted: half and half with the colour, outside the frame transparent (on the
// OpenGL screen straight from the sheet's textures, elsewhere through two temporary surfaces).
void drawTinted(SDL_Surface* sheet, int frame, SDL_Surface* target, int x, int y, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Rect from = {Sint16(frame * 32), 0, 32, 32};
    SDL_Rect to = {Sint16(x), Sint16(y), 0, 0};
    if (glSDL_DrawTinted(sheet, &from, target, &to, r, g, b))
        return;
    SDL_Surface* tinted = glSDL_CreateRGBSurface(SDL_HWSURFACE, 32, 32, 32, 0xFF, 0xFF00, 0xFF0000, 0);
    glSDL_FillRect(tinted, nullptr, SDL_MapRGB(tinted->format, r, g, b));
    drawTranslucent(sheet, frame, tinted, 0, 0, 128);
    glSDL_SetColorKey(tinted, SDL_SRCCOLORKEY, SDL_MapRGB(tinted->format, r, g, b));
    blitAt(tinted, nullptr, target, x, y);
    glSDL_FreeSurface(tinted);
}

void drawScene(Scene& s, SDL_Surface* screen)
{
    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    blitAt(s.background, nullptr, screen, 0, 0);
    for (int i = 0; i < 40; ++i) {
        SDL_Rect frame = {Sint16((i % 4) * 32), 0, 32, 32};
        blitAt(s.sheet, &frame, screen, 8 + (i % 10) * 36, 8 + (i / 10) * 36);
    }
    // Partly off the screen on every side.
    SDL_Rect disc = {0, 0, 32, 32};
    blitAt(s.sheet, &disc, screen, -12, 200);
    blitAt(s.sheet, &disc, screen, 625, 210);
    blitAt(s.sheet, &disc, screen, 300, -20);
    blitAt(s.sheet, &disc, screen, 310, 465);

    blitAt(s.glow, nullptr, screen, 380, 20);
    blitAt(s.glow, nullptr, screen, 420, 50);
    blitAt(s.ghost, nullptr, screen, 380, 110);
    blitAt(s.ghostConverted, nullptr, screen, 470, 110);
    blitAt(s.rekeyed, nullptr, screen, 380, 160);
    blitAt(s.glyphs, nullptr, screen, 520, 160);

    for (int i = 0; i < 4; ++i) {
        drawTranslucent(s.sheet, i, screen, 20 + i * 40, 170, Uint8(60 + i * 60));
        drawTranslucent(s.rekeyed, i, screen, 20 + i * 40, 205, 128);
        drawTinted(s.sheet, i, screen, 200 + i * 40, 170, 255, 0, 200);
    }
    // Effects of a picture with per-pixel alpha, at full and at no alpha, in another tint, and
    // half off the screen.
    drawTranslucent(s.glow, 0, screen, 360, 205, 200);
    drawTranslucent(s.sheet, 0, screen, 180, 205, 255);
    drawTranslucent(s.sheet, 1, screen, 220, 205, 0);
    drawTinted(s.sheet, 3, screen, 260, 205, 30, 90, 90);
    drawTinted(s.sheet, 0, screen, -10, 240, 60, 220, 30);
    // Tinted in the colour of the frame itself (40, 200, 60), or one level above it, the frame comes
    // out as the colour and is keyed out; one level below, it shows as the frame.
    drawTinted(s.sheet, 1, screen, 400, 245, 40, 200, 60);
    drawTinted(s.sheet, 1, screen, 440, 245, 41, 201, 61);
    drawTinted(s.sheet, 1, screen, 480, 245, 39, 199, 59);

    // The surface-to-surface blits of the re-keyed frames keep their new key.
    SDL_Surface* board = rgbSurface(140, 40, 32);
    glSDL_FillRect(board, nullptr, SDL_MapRGB(board->format, 70, 70, 70));
    blitAt(s.rekeyed, nullptr, board, 6, 4);
    blitAt(board, nullptr, screen, 480, 200);
    glSDL_FreeSurface(board);

    SDL_Rect box = {20, 250, 120, 60};
    glSDL_FillRect(screen, &box, SDL_MapRGB(screen->format, 10, 200, 90));

    SDL_Rect clip = {200, 260, 180, 90};
    glSDL_SetClipRect(screen, &clip);
    SDL_Rect everywhere = {150, 240, 300, 200};
    glSDL_FillRect(screen, &everywhere, SDL_MapRGB(screen->format, 90, 40, 160));
    for (int i = 0; i < 8; ++i)
        blitAt(s.sheet, nullptr, screen, 170 + i * 30, 250 + i * 12);
    blitAt(s.glow, nullptr, screen, 340, 320);
    glSDL_SetClipRect(screen, nullptr);

    blitAt(s.changing, nullptr, screen, 560, 260);
    // Part of the screen copied onto the screen itself.
    SDL_Rect copied = {0, 0, 160, 80};
    blitAt(screen, &copied, screen, 460, 390);
}

// Changes `changing` after its first upload: a locked write, then a blit into it.
void change(Scene& s)
{
    paint(s.changing, [](int x, int y) -> Rgba { return {0, Uint8(100 + x), Uint8(100 + y), 255}; });
    SDL_Rect ring = {96, 0, 32, 32};
    blitAt(s.sheet, &ring, s.changing, 8, 8);
}

SDL_Surface* capture(SDL_Surface* screen)
{
    SDL_Surface* copy = glSDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    EXPECT_EQ(glSDL_BlitSurface(screen, nullptr, copy, nullptr), 0);
    return copy;
}

struct Rendered
{
    SDL_Surface* scene = nullptr;      // the scene as drawn
    SDL_Surface* restored = nullptr;   // the scene after the snapshot round trip across a flip
};

Rendered render(bool openGl)
{
    glSDL_ForcePlainPath(!openGl);
    glSDL_LimitTextureSize(openGl ? smallTextureSize : 0);
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, openGlMode);
    EXPECT_NE(screen, nullptr) << SDL_GetError();
    EXPECT_EQ(glSDL_UsingOpenGL(), openGl);
    EXPECT_EQ(screen, glSDL_GetVideoSurface());

    Scene s;
    s.make();
    drawScene(s, screen);
    glSDL_Flip(screen);
    change(s);
    drawScene(s, screen);

    Rendered run;
    run.scene = capture(screen);

    glSDL_BlitSurface(screen, nullptr, s.snapshot, nullptr);
    glSDL_Flip(screen);
    glSDL_BlitSurface(s.snapshot, nullptr, screen, nullptr);
    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 0, 255));
    glSDL_BlitSurface(s.snapshot, nullptr, screen, nullptr);
    run.restored = capture(screen);
    glSDL_Flip(screen);
    s.free();
    return run;
}

struct Difference
{
    int largest = 0;
    int pixels = 0;
    int firstX = -1, firstY = -1;
};

Difference compare(SDL_Surface* a, SDL_Surface* b, SDL_Rect area = {0, 0, 640, 480})
{
    Difference d;
    for (int y = area.y; y < area.y + area.h; ++y)
        for (int x = area.x; x < area.x + area.w; ++x) {
            const Rgba p = colourAt(a, x, y), q = colourAt(b, x, y);
            const int worst = std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
            if (worst == 0)
                continue;
            if (worst > d.largest) {
                d.largest = worst;
                d.firstX = x;
                d.firstY = y;
            }
            ++d.pixels;
        }
    return d;
}

void expectColour(SDL_Surface* s, int x, int y, Rgba want, const char* what)
{
    const Rgba got = colourAt(s, x, y);
    EXPECT_TRUE(got.r == want.r && got.g == want.g && got.b == want.b)
        << what << " at (" << x << ", " << y << "): got " << int(got.r) << "," << int(got.g) << "," << int(got.b);
}

class RenderCheck : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // On a busy machine the virtual X server may take a moment to accept connections.
        for (int attempt = 0; !SDL_WasInit(SDL_INIT_VIDEO) && attempt < 50; ++attempt)
            if (SDL_Init(SDL_INIT_VIDEO) < 0)
                SDL_Delay(100);
        ASSERT_TRUE(SDL_WasInit(SDL_INIT_VIDEO)) << SDL_GetError();
    }
};

// Runs first, before any OpenGL library is loaded into the process: SDL looks for the library
// where this variable says, as on a machine without OpenGL drivers.
TEST_F(RenderCheck, WithoutAnOpenGlLibraryTheGameDrawsThroughThePlainPath)
{
    setenv("SDL_VIDEO_GL_DRIVER", "/nonexistent/libGL.so.1", 1);
    glSDL_ForcePlainPath(false);
    ::testing::internal::CaptureStderr();
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, openGlMode);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    unsetenv("SDL_VIDEO_GL_DRIVER");
    ASSERT_NE(screen, nullptr) << SDL_GetError();
    EXPECT_FALSE(glSDL_UsingOpenGL());
    EXPECT_EQ(errors.rfind("glSDL/wrapper ERROR: Could not load OpenGL library!\n", 0), 0u) << errors;
    EXPECT_NE(errors.find("falling back to the plain SDL path"), std::string::npos) << errors;

    SDL_Surface* sheet = makeSheet();
    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 30, 60, 90));
    blitAt(sheet, nullptr, screen, 100, 100);
    glSDL_Flip(screen);
    SDL_Surface* shot = capture(screen);
    expectColour(shot, 116, 116, {250, 60, 20, 255}, "sprite on the plain path");
    expectColour(shot, 100, 100, {30, 60, 90, 255}, "keyed pixel on the plain path");
    SDL_FreeSurface(shot);
    glSDL_FreeSurface(sheet);
}

TEST_F(RenderCheck, OpenGlDrawsWhatThePlainPathDraws)
{
    Rendered plain = render(false);
    Rendered opengl = render(true);
    SDL_SaveBMP(plain.scene, "render_plain.bmp");
    SDL_SaveBMP(opengl.scene, "render_opengl.bmp");

    const Difference d = compare(plain.scene, opengl.scene);
    EXPECT_LE(d.largest, blendTolerance) << "worst at (" << d.firstX << ", " << d.firstY << ")";
    std::printf("plain and OpenGL differ in %d pixels, by at most %d\n", d.pixels, d.largest);
    // Where nothing is blended the two agree exactly: the keyed sprite grid on the tiled
    // background, the fill, and the copy of the screen onto itself.
    for (SDL_Rect exact : {SDL_Rect{0, 0, 370, 160}, SDL_Rect{20, 250, 120, 60}, SDL_Rect{460, 390, 160, 80}})
        EXPECT_EQ(compare(plain.scene, opengl.scene, exact).pixels, 0)
            << "in " << exact.x << "," << exact.y << " " << exact.w << "x" << exact.h;

    // The translucent and tinted sprites, drawn from the sheets' textures on OpenGL and through
    // temporary surfaces on the plain path, differ only by the rounding of their blending.
    for (SDL_Rect effects : {SDL_Rect{0, 170, 190, 32}, SDL_Rect{190, 170, 170, 32}, SDL_Rect{0, 205, 360, 32}, SDL_Rect{360, 205, 40, 32}, SDL_Rect{0, 240, 22, 32}}) {
        const Difference e = compare(plain.scene, opengl.scene, effects);
        EXPECT_LE(e.largest, 1) << effects.x << "," << effects.y << " worst at (" << e.firstX << ", " << e.firstY << ")";
    }

    // Tints come out as SDL rounds them, keyed where they equal their colour.
    for (SDL_Rect tinted : {SDL_Rect{190, 170, 170, 32}, SDL_Rect{400, 245, 120, 32}}) {
        const Difference e = compare(plain.scene, opengl.scene, tinted);
        EXPECT_EQ(e.pixels, 0) << tinted.x << "," << tinted.y << " worst at (" << e.firstX << ", " << e.firstY << ")";
    }
    for (SDL_Surface* s : {plain.scene, opengl.scene}) {
        for (int x : {400 + 24, 440 + 24})
            expectColour(s, x, 261, {Uint8(x * 255 / 639), Uint8(261 * 255 / 479), Uint8((x / 40 + 261 / 40) % 2 ? 180 : 60), 255},
                         "frame tinted in its own colour");
        expectColour(s, 480 + 24, 261, {40, 200, 60, 255}, "frame tinted a level below its colour");
    }

    // The round trip through the snapshot surface across a flip loses nothing.
    EXPECT_EQ(compare(plain.scene, plain.restored).pixels, 0);
    EXPECT_EQ(compare(opengl.scene, opengl.restored).pixels, 0);

    // A few exact spots in both runs: the changed surface shows its new content, the clip held,
    // keyed pixels show what lies below, the fill is exact.
    for (SDL_Surface* s : {plain.scene, opengl.scene}) {
        expectColour(s, 561, 261, {0, 101, 101, 255}, "changed surface");
        expectColour(s, 560 + 8 + 16, 260 + 8 + 16 - 10, {240, 240, 40, 255}, "frame blitted into it");
        expectColour(s, 30, 260, {10, 200, 90, 255}, "fill");
        expectColour(s, 160, 260, {Uint8(160 * 255 / 639), Uint8(260 * 255 / 479), 60, 255}, "outside the clip");
        expectColour(s, 205, 345, {90, 40, 160, 255}, "fill inside the clip");
        expectColour(s, 8, 8, {Uint8(8 * 255 / 639), Uint8(8 * 255 / 479), 60, 255}, "keyed corner of a frame");
    }
    for (Rendered* run : {&plain, &opengl}) {
        SDL_FreeSurface(run->scene);
        SDL_FreeSurface(run->restored);
    }
}

TEST_F(RenderCheck, UnchangedSurfacesAreNotUploadedAgain)
{
    glSDL_ForcePlainPath(false);
    glSDL_LimitTextureSize(64);
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, openGlMode);
    ASSERT_TRUE(glSDL_UsingOpenGL());
    Scene s;
    s.make();

    unsigned long before = glSDL_TextureUploads();
    blitAt(s.background, nullptr, screen, 0, 0);
    EXPECT_EQ(glSDL_TextureUploads() - before, 10u * 8u) << "640 x 480 in 64 x 64 tiles";
    before = glSDL_TextureUploads();
    blitAt(s.background, nullptr, screen, 0, 0);
    blitAt(s.sheet, nullptr, screen, 0, 0);
    EXPECT_EQ(glSDL_TextureUploads() - before, 2u) << "the sheet once, in two tiles";
    before = glSDL_TextureUploads();
    for (int i = 0; i < 10; ++i) {
        blitAt(s.background, nullptr, screen, 0, 0);
        blitAt(s.sheet, nullptr, screen, i, i);
    }
    EXPECT_EQ(glSDL_TextureUploads() - before, 0u);

    // Translucent and tinted frames come from the sheet's textures of its pixels over black,
    // made at the first such drawing and again only after the sheet changed.
    before = glSDL_TextureUploads();
    drawTranslucent(s.rekeyed, 1, screen, 10, 10, 100);
    EXPECT_EQ(glSDL_TextureUploads() - before, 2u) << "the sheet over black, in two tiles";
    before = glSDL_TextureUploads();
    for (int i = 0; i < 10; ++i) {
        drawTranslucent(s.rekeyed, i % 4, screen, i, i, Uint8(25 * i));
        drawTinted(s.rekeyed, i % 4, screen, 3 * i, i, Uint8(20 * i), 40, Uint8(200 - 10 * i));
    }
    EXPECT_EQ(glSDL_TextureUploads() - before, 0u);
    SDL_Rect corner = {0, 0, 4, 4};
    glSDL_FillRect(s.rekeyed, &corner, SDL_MapRGB(s.rekeyed->format, 255, 255, 255));
    before = glSDL_TextureUploads();
    drawTinted(s.rekeyed, 0, screen, 10, 10, 255, 0, 0);
    drawTinted(s.rekeyed, 0, screen, 10, 10, 0, 255, 0);
    EXPECT_EQ(glSDL_TextureUploads() - before, 2u) << "made again once after a fill";

    change(s);
    blitAt(s.changing, nullptr, screen, 0, 0);
    before = glSDL_TextureUploads();
    glSDL_LockSurface(s.changing);
    glSDL_UnlockSurface(s.changing);
    blitAt(s.changing, nullptr, screen, 0, 0);
    glSDL_FillRect(s.changing, nullptr, 0);
    blitAt(s.changing, nullptr, screen, 0, 0);
    glSDL_SetColorKey(s.changing, SDL_SRCCOLORKEY, 0);
    blitAt(s.changing, nullptr, screen, 0, 0);
    EXPECT_EQ(glSDL_TextureUploads() - before, 3u) << "after a lock, a fill and a new colour key";

    glSDL_LimitTextureSize(0);
    s.free();
}

TEST_F(RenderCheck, DrawingGoesOnAfterAFullScreenToggle)
{
    glSDL_ForcePlainPath(false);
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, openGlMode);
    ASSERT_TRUE(glSDL_UsingOpenGL());
    SDL_Surface* sheet = makeSheet();
    blitAt(sheet, nullptr, screen, 0, 0);

    const int toggled = glSDL_ToggleFullScreen();
    std::printf("full-screen toggle under this X server: %s\n", toggled ? "done" : "refused");
    EXPECT_EQ((glSDL_GetVideoSurface()->flags & SDL_FULLSCREEN) != 0, toggled != 0);
    EXPECT_EQ(glSDL_GetVideoSurface(), screen);

    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 30, 60, 90));
    blitAt(sheet, nullptr, screen, 100, 100);
    SDL_Surface* shot = capture(screen);
    expectColour(shot, 5, 5, {30, 60, 90, 255}, "fill after the toggle");
    expectColour(shot, 116, 116, {250, 60, 20, 255}, "sprite after the toggle");
    expectColour(shot, 100, 100, {30, 60, 90, 255}, "keyed pixel after the toggle");
    if (toggled)
        glSDL_ToggleFullScreen();
    SDL_FreeSurface(shot);
    glSDL_FreeSurface(sheet);
}

// A picture read again replaces a surface in place (a level's designer reloading it): the
// surface is drawn from new textures of the new size, keeps its colour key, and nothing of the
// old textures or of the replacement stays in the texture table.
TEST_F(RenderCheck, AReplacedSurfaceIsDrawnFromNewTexturesAndLeavesNothingBehind)
{
    glSDL_ForcePlainPath(false);
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, openGlMode);
    ASSERT_TRUE(glSDL_UsingOpenGL());
    SDL_Surface* sheet = makeSheet();
    blitAt(sheet, nullptr, screen, 0, 0);
    drawTranslucent(sheet, 0, screen, 0, 0, 100);

    SDL_Surface* picture = rgbSurface(48, 40);
    paint(picture, [](int x, int) -> Rgba { return x < 24 ? Rgba{200, 40, 160, 255} : Rgba{0, 255, 255, 255}; });
    glSDL_ReplaceSurface(sheet, displayFormatted(picture, true));
    EXPECT_EQ(sheet->w, 48);
    EXPECT_EQ(sheet->h, 40);

    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 30, 60, 90));
    const unsigned long before = glSDL_TextureUploads();
    blitAt(sheet, nullptr, screen, 100, 100);
    drawTranslucent(sheet, 0, screen, 300, 100, 255);
    EXPECT_EQ(glSDL_TextureUploads() - before, 2u) << "the new picture and its pixels over black";
    SDL_Surface* shot = capture(screen);
    expectColour(shot, 110, 110, {200, 40, 160, 255}, "the new picture");
    expectColour(shot, 110, 138, {200, 40, 160, 255}, "a row the old picture did not have");
    expectColour(shot, 140, 110, {30, 60, 90, 255}, "its keyed part");
    expectColour(shot, 310, 110, {200, 40, 160, 255}, "a frame of it drawn translucently");
    expectColour(shot, 326, 110, {30, 60, 90, 255}, "the keyed part of that frame");
    SDL_FreeSurface(shot);
    glSDL_FreeSurface(sheet);

    ::testing::internal::CaptureStderr();
    glSDL_Quit();
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(report.find("Leaked"), std::string::npos) << report;
}

TEST_F(RenderCheck, ShutdownReportsTexturesStillInUse)
{
    glSDL_ForcePlainPath(false);
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, openGlMode);
    ASSERT_TRUE(glSDL_UsingOpenGL());
    SDL_Surface* forgotten = rgbSurface(20, 20, 32);
    blitAt(forgotten, nullptr, screen, 0, 0);
    SDL_Surface* freed = rgbSurface(20, 20, 32);
    blitAt(freed, nullptr, screen, 0, 0);
    glSDL_FreeSurface(freed);

    ::testing::internal::CaptureStderr();
    glSDL_Quit();
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("glSDL/wrapper: Leaked TexInfo "), std::string::npos) << report;
    EXPECT_NE(report.find("! (1 32x32 textures)\n"), std::string::npos) << report;
    EXPECT_NE(report.find("glSDL/wrapper: Leaked 1 TexInfos!\n"), std::string::npos) << report;
    EXPECT_FALSE(glSDL_UsingOpenGL());
    SDL_FreeSurface(forgotten);
}

}
