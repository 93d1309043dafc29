#include "gfx/gl_screen.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "gfx/gl_clip.h"
#include "gfx/gl_pixels.h"

namespace {

// Textures given back by freed surfaces are kept for reuse (surfaces drawn once and freed come and
// go every frame) up to this many. A texture is reused only in a later frame:
// changing one that a drawing of this frame still reads would make OpenGL finish that drawing first.
constexpr size_t pooledTextures = 64;

struct ColourSizes
{
    int red;
    int green;
    int blue;
};

ColourSizes colourSizesFor(int bitsPerPixel)
{
    if (bitsPerPixel == 15)
        return {5, 5, 5};
    if (bitsPerPixel == 16)
        return {5, 6, 5};
    return {8, 8, 8};
}

// SDL blends by alpha / 256 (and takes 255 as opaque), OpenGL by alpha / 255: the alpha that
// OpenGL is given keeps the two within a level of each other.
Uint8 blendingAlpha(Uint8 alpha)
{
    if (alpha == SDL_ALPHA_OPAQUE)
        return alpha;
    return static_cast<Uint8>((alpha * 255 + 128) / 256);
}

// The tinted drawing of a sprite frame from its over-black texture: what SDL shows when it blits
// the frame at alpha 128 onto the tint colour and then keys that colour out. Per channel, in
// 0..255, SDL mixes to ((frame - tint) * 128 + 255) / 256 + tint, rounded down, which is
// (frame + tint + 1) / 2 rounded down; a pixel that comes out as the tint itself (frame = tint or
// tint - 1 in every channel) is keyed out, and so is the black around the frame (alpha 0).
// program.env[0] holds the tint.
constexpr char tintProgramText[] =
    "!!ARBfp1.0\n"
    "PARAM tint = program.env[0];\n"
    "PARAM ones = {1, 1, 1, 0};\n"
    "TEMP texel, mixed, gap;\n"
    "TEX texel, fragment.texcoord[0], texture[0], 2D;\n"
    "SUB gap, texel.w, 0.5;\n"
    "KIL gap;\n"
    "MAD texel, texel, 255, 0.5;\n"
    "FLR texel, texel;\n"
    "ADD mixed, texel, tint;\n"
    "ADD mixed, mixed, 1;\n"
    "MUL mixed, mixed, 0.5;\n"
    "FLR mixed, mixed;\n"
    "SUB gap, mixed, tint;\n"
    "ABS gap, gap;\n"
    "DP3 gap, gap, ones;\n"
    "SUB gap, gap, 0.5;\n"
    "KIL gap;\n"
    "MUL result.color.xyz, mixed, 0.003921568627451;\n"
    "MOV result.color.w, 1;\n"
    "END\n";

// SDL's OpenGL video mode of the window (or full screen) the settings place the picture in.
SDL_Surface* setMode(const GlScreen::Settings& settings)
{
    const ColourSizes sizes = colourSizesFor(settings.bitsPerPixel);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, sizes.red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, sizes.green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, sizes.blue);
    // Nothing is drawn with depth or stencil tests: a window without those buffers is cheaper to
    // show (SDL asks for a depth buffer unless told otherwise).
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, (settings.flags & SDL_DOUBLEBUF) ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, settings.vsync ? 1 : 0);
    return SDL_SetVideoMode(settings.placement.outputWidth, settings.placement.outputHeight, settings.bitsPerPixel,
                            settings.flags);
}

bool hasExtension(const GlFunctions& gl, const char* name)
{
    const char* list = reinterpret_cast<const char*>(gl.GetString(GL_EXTENSIONS));
    if (!list)
        return false;
    const size_t length = std::strlen(name);
    for (const char* found = std::strstr(list, name); found; found = std::strstr(found + length, name))
        if ((found == list || found[-1] == ' ') && (found[length] == ' ' || found[length] == '\0'))
            return true;
    return false;
}

}

std::unique_ptr<GlScreen> GlScreen::open(const GlFunctions& gl, GlTextureTable& table, const Settings& settings)
{
    SDL_Surface* video = setMode(settings);
    if (!video)
        return nullptr;

    const SDL_PixelFormat& format = layerPixelFormat(false);
    SDL_Surface* substitute = SDL_CreateRGBSurface(SDL_SWSURFACE, settings.width, settings.height, 32, format.Rmask,
                                                   format.Gmask, format.Bmask, 0);
    if (!substitute)
        return nullptr;

    std::unique_ptr<GlScreen> screen(new GlScreen(gl, table));
    screen->video = video;
    screen->substitute = substitute;
    screen->takeModeFlags();
    if (!screen->setUp(settings))
        return nullptr;
    return screen;
}

bool GlScreen::changeMode(const Settings& settings)
{
    readBack(nullptr);
    SDL_Surface* changed = setMode(settings);
    if (!changed)
        return false;
    video = changed;
    takeModeFlags();
    const bool contextKept = probeTexture && gl.IsTexture(probeTexture);
    releaseTargets(contextKept);
    if (!contextKept) {
        // The textures went with the old context: their names are forgotten, not deleted, and
        // every surface is uploaded again at its next blit.
        table.forEachInUse([](TexInfo& info) {
            for (std::vector<GlTile>* tiles : {&info.tiles, &info.overBlackTiles})
                for (GlTile& tile : *tiles)
                    tile.texture = 0;
            info.valid = false;
            info.overBlackValid = false;
        });
        pool.clear();
    }
    if (!setUp(settings))
        return false;
    restorePicture();
    return true;
}

GlScreen::GlScreen(const GlFunctions& gl, GlTextureTable& table) : gl(gl), table(table)
{
    pool.reserve(pooledTextures);
}

GlScreen::~GlScreen()
{
    close();
}

void GlScreen::takeModeFlags()
{
    const Uint32 modeFlags = SDL_FULLSCREEN | SDL_DOUBLEBUF;
    substitute->flags = (substitute->flags & ~modeFlags) | (video->flags & modeFlags);
}

bool GlScreen::setUp(const Settings& settings)
{
    pictureWidth = settings.width;
    pictureHeight = settings.height;
    placement = settings.placement;
    // The state below is set afresh: the context may be a new one.
    texturing = false;
    blending = false;
    tinting = false;
    textureMode = GL_MODULATE;
    boundTexture = 0;
    std::fill(colour, colour + 4, SDL_ALPHA_OPAQUE);
    gl.Disable(GL_DEPTH_TEST);
    gl.Disable(GL_CULL_FACE);
    gl.Disable(GL_DITHER);
    gl.Disable(GL_SCISSOR_TEST);
    gl.Disable(GL_BLEND);
    gl.Disable(GL_TEXTURE_2D);
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl.Color4ub(255, 255, 255, SDL_ALPHA_OPAQUE);
    makeTintProgram();
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);

    GLint reported = 0;
    gl.GetIntegerv(GL_MAX_TEXTURE_SIZE, &reported);
    if (reported > 0)
        glMaxTextureSize = reported;
    maxTextureSize = glMaxTextureSize;
    if (settings.textureSizeLimit > 0)
        maxTextureSize = std::min(maxTextureSize, settings.textureSizeLimit);

    // A texture name becomes a texture at its first binding.
    gl.GenTextures(1, &probeTexture);
    useTexture(probeTexture);
    if (!placement.isIdentity(pictureWidth, pictureHeight) && !makeFramebuffer())
        return false;

    // A new screen starts black, as SDL's does: the window (both buffers) and the picture.
    if (framebuffer)
        gl.BindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    gl.Viewport(0, 0, placement.outputWidth, placement.outputHeight);
    gl.ClearColor(0, 0, 0, 1);
    gl.Clear(GL_COLOR_BUFFER_BIT);
    if (settings.flags & SDL_DOUBLEBUF) {
        SDL_GL_SwapBuffers();
        gl.Clear(GL_COLOR_BUFFER_BIT);
    }
    drawIntoPicture();
    gl.Clear(GL_COLOR_BUFFER_BIT);
    return true;
}

void GlScreen::makeTintProgram()
{
    if (!gl.hasProgramFunctions() || !hasExtension(gl, "GL_ARB_fragment_program"))
        return;
    gl.GenProgramsARB(1, &tintProgram);
    gl.BindProgramARB(GL_FRAGMENT_PROGRAM_ARB, tintProgram);
    gl.ProgramStringARB(GL_FRAGMENT_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB, sizeof tintProgramText - 1,
                        tintProgramText);
    GLint errorAt = 0;
    gl.GetIntegerv(GL_PROGRAM_ERROR_POSITION_ARB, &errorAt);
    if (errorAt != -1) {
        gl.DeleteProgramsARB(1, &tintProgram);
        tintProgram = 0;
    }
    tintColour[0] = -1;
}

bool GlScreen::makeFramebuffer()
{
    if (!gl.hasFramebufferFunctions() || !hasExtension(gl, "GL_EXT_framebuffer_object")) {
        SDL_SetError("OpenGL offers no framebuffer objects to draw the enlarged picture in");
        return false;
    }
    pictureTextureWidth = powerOfTwoAtLeast(pictureWidth);
    pictureTextureHeight = powerOfTwoAtLeast(pictureHeight);
    pictureTexture = makeTexture(pictureTextureWidth, pictureTextureHeight);
    if (!pictureTexture) {
        SDL_SetError("OpenGL cannot hold the picture in one texture");
        return false;
    }
    gl.GenFramebuffersEXT(1, &framebuffer);
    gl.BindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
    gl.FramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, pictureTexture, 0);
    if (gl.CheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) != GL_FRAMEBUFFER_COMPLETE_EXT) {
        SDL_SetError("OpenGL cannot draw into the picture's framebuffer");
        return false;
    }
    return true;
}

void GlScreen::releaseTargets(bool contextKept)
{
    if (contextKept) {
        if (framebuffer) {
            gl.BindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
            gl.DeleteFramebuffersEXT(1, &framebuffer);
        }
        for (GLuint texture : {pictureTexture, probeTexture})
            if (texture)
                gl.DeleteTextures(1, &texture);
        if (tintProgram) {
            gl.Disable(GL_FRAGMENT_PROGRAM_ARB);
            gl.DeleteProgramsARB(1, &tintProgram);
        }
    }
    tintProgram = 0;
    framebuffer = 0;
    pictureTexture = 0;
    probeTexture = 0;
    boundTexture = 0;
}

void GlScreen::drawIntoPicture()
{
    if (framebuffer)
        gl.BindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
    gl.Viewport(0, 0, pictureWidth, pictureHeight);
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.Ortho(0, pictureWidth, pictureHeight, 0, -1, 1);
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
}

void GlScreen::showPicture()
{
    gl.BindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    gl.Viewport(0, 0, placement.outputWidth, placement.outputHeight);
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.Ortho(0, placement.outputWidth, placement.outputHeight, 0, -1, 1);
    gl.MatrixMode(GL_MODELVIEW);
    const int width = pictureWidth * placement.scale;
    const int height = pictureHeight * placement.scale;
    std::array<BorderRect, 4> borders;
    const int borderCount = pictureBorders(placement, pictureWidth, pictureHeight, borders);
    if (borderCount > 0) {
        // Only the borders are cleared: the picture covers the rest.
        gl.ClearColor(0, 0, 0, 1);
        gl.Enable(GL_SCISSOR_TEST);
        for (int i = 0; i < borderCount; ++i) {
            const BorderRect& border = borders[i];
            gl.Scissor(border.x, placement.outputHeight - border.y - border.height, border.width, border.height);
            gl.Clear(GL_COLOR_BUFFER_BIT);
        }
        gl.Disable(GL_SCISSOR_TEST);
    }
    useBlending(false);
    useInk({false, false, 255, 255, 255, SDL_ALPHA_OPAQUE});
    useTexture(pictureTexture);
    // The texture holds the picture bottom row first.
    const float right = float(pictureWidth) / pictureTextureWidth;
    const float top = float(pictureHeight) / pictureTextureHeight;
    gl.Begin(GL_QUADS);
    gl.TexCoord2f(0, top);
    gl.Vertex2i(placement.x, placement.y);
    gl.TexCoord2f(right, top);
    gl.Vertex2i(placement.x + width, placement.y);
    gl.TexCoord2f(right, 0);
    gl.Vertex2i(placement.x + width, placement.y + height);
    gl.TexCoord2f(0, 0);
    gl.Vertex2i(placement.x, placement.y + height);
    gl.End();
    SDL_GL_SwapBuffers();
    drawIntoPicture();
}

void GlScreen::restorePicture()
{
    TexInfo* info = table.acquire(substitute);
    if (!info)
        return;
    info->valid = false;
    if (prepareTextures(*info))
        draw(info->tiles, {0, 0, static_cast<Uint16>(substitute->w), static_cast<Uint16>(substitute->h)}, 0, 0,
             plainInk(substitute, info->rule));
}

int GlScreen::blit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect)
{
    return blitWith(source, sourceRect, targetRect, nullptr);
}

int GlScreen::blitTranslucent(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect, Uint8 alpha)
{
    const Ink ink = {true, false, 255, 255, 255, blendingAlpha(alpha)};
    return blitWith(source, sourceRect, targetRect, &ink);
}

int GlScreen::blitTinted(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect, Uint8 red, Uint8 green,
                         Uint8 blue)
{
    const Ink ink = {false, true, red, green, blue, SDL_ALPHA_OPAQUE};
    return blitWith(source, sourceRect, targetRect, &ink);
}

int GlScreen::blitWith(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect, const Ink* effect)
{
    if (source->locked || substitute->locked) {
        SDL_SetError("Surfaces must not be locked during blit");
        return -1;
    }
    SDL_Rect placed = targetRect ? *targetRect : SDL_Rect{0, 0, 0, 0};
    SDL_Rect area;
    const bool visible = clipBlit(source, sourceRect, substitute, &placed, area);
    if (targetRect)
        *targetRect = placed;
    if (!visible)
        return 0;

    TexInfo* info = table.acquire(source);
    if (!info) {
        std::fprintf(stderr, "glSDL/wrapper: INTERNAL ERROR: Texture table full!\n");
        SDL_SetError("glSDL/wrapper: texture table full");
        return -1;
    }
    if (!effect) {
        if (!prepareTextures(*info))
            return -1;
        draw(info->tiles, area, placed.x, placed.y, plainInk(source, info->rule));
    } else {
        if (!prepareOverBlack(*info))
            return -1;
        draw(info->overBlackTiles, area, placed.x, placed.y, *effect);
    }
    return 0;
}

int GlScreen::fill(SDL_Rect* rect, Uint32 colour)
{
    SDL_Rect area;
    if (!clipFill(substitute, rect, area))
        return 0;
    Uint8 red, green, blue;
    SDL_GetRGB(colour, substitute->format, &red, &green, &blue);
    gl.Enable(GL_SCISSOR_TEST);
    gl.Scissor(area.x, substitute->h - area.y - area.h, area.w, area.h);
    gl.ClearColor(red / 255.0f, green / 255.0f, blue / 255.0f, 1);
    gl.Clear(GL_COLOR_BUFFER_BIT);
    gl.Disable(GL_SCISSOR_TEST);
    return 0;
}

SDL_Surface* GlScreen::readBack(const SDL_Rect* area)
{
    SDL_Rect part;
    if (!clipToSurface(substitute, area, part))
        return substitute;
    staging.resize(static_cast<size_t>(part.w) * part.h * 4);
    gl.ReadPixels(part.x, substitute->h - part.y - part.h, part.w, part.h, GL_RGBA, GL_UNSIGNED_BYTE,
                  staging.data());
    readBackToSurface(staging.data(), part, substitute);
    if (TexInfo* info = table.find(substitute))
        info->valid = false;
    return substitute;
}

int GlScreen::lock()
{
    const bool first = substitute->locked == 0;
    const int result = SDL_LockSurface(substitute);
    if (result == 0 && first)
        readBack(nullptr);
    return result;
}

void GlScreen::unlock()
{
    if (!substitute->locked)
        return;
    SDL_UnlockSurface(substitute);
    if (substitute->locked)
        return;
    // What the game wrote into the pixels goes onto the screen, unclipped as direct writes are.
    restorePicture();
}

void GlScreen::swap()
{
    if (framebuffer)
        showPicture();
    else
        SDL_GL_SwapBuffers();
    ++frames;
}

void GlScreen::forget(SDL_Surface* surface)
{
    TexInfo* info = table.find(surface);
    if (!info)
        return;
    for (GlTile& tile : info->tiles)
        giveBack(tile);
    for (GlTile& tile : info->overBlackTiles)
        giveBack(tile);
    table.release(*info);
}

void GlScreen::limitTextureSize(int limit)
{
    const int size = limit > 0 ? std::min(glMaxTextureSize, limit) : glMaxTextureSize;
    if (size == maxTextureSize)
        return;
    maxTextureSize = size;
    dropAllTextures(true);
}

void GlScreen::close()
{
    if (!substitute)
        return;
    forget(substitute);
    SDL_FreeSurface(substitute);
    substitute = nullptr;
    dropAllTextures(false);
    releaseTargets(true);
}

bool GlScreen::prepareTextures(TexInfo& info)
{
    SDL_Surface* surface = info.surface;
    const TexelRule rule = texelRuleFor(surface);
    if (info.valid && info.rule == rule)
        return true;
    if (!upload(surface, rule, info.tiles))
        return false;
    info.rule = rule;
    info.valid = true;
    return true;
}

bool GlScreen::prepareOverBlack(TexInfo& info)
{
    if (info.overBlackValid)
        return true;
    // The temporary surface of the translucent drawing, for the whole source at once.
    SDL_Surface* surface = info.surface;
    SDL_Surface* onBlack =
        SDL_CreateRGBSurface(SDL_SWSURFACE, surface->w, surface->h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
    if (!onBlack)
        return false;
    SDL_BlitSurface(surface, nullptr, onBlack, nullptr);
    TexelRule blackKeyed;
    blackKeyed.keyed = true;
    blackKeyed.key = 0;
    info.overBlackValid = upload(onBlack, blackKeyed, info.overBlackTiles);
    SDL_FreeSurface(onBlack);
    return info.overBlackValid;
}

bool GlScreen::upload(SDL_Surface* surface, const TexelRule& rule, std::vector<GlTile>& tiles)
{
    if (tiles.empty())
        planTiles(surface->w, surface->h, maxTextureSize, tiles);
    for (GlTile& tile : tiles)
        if (!tile.texture) {
            tile.texture = makeTexture(tile.textureWidth, tile.textureHeight);
            if (!tile.texture) {
                std::fprintf(stderr, "glSDL/wrapper: INTERNAL ERROR: Too large texture!\n");
                SDL_SetError("glSDL/wrapper: too large texture");
                return false;
            }
        }

    SDL_LockSurface(surface);
    for (GlTile& tile : tiles) {
        staging.resize(static_cast<size_t>(tile.area.w) * tile.area.h * 4);
        surfaceToTexels(surface, rule, tile.area, staging.data());
        useTexture(tile.texture);
        gl.TexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, tile.area.w, tile.area.h, GL_RGBA, GL_UNSIGNED_BYTE,
                         staging.data());
        ++uploadCount;
    }
    SDL_UnlockSurface(surface);
    return true;
}

GLuint GlScreen::makeTexture(int width, int height)
{
    for (PooledTexture& pooled : pool)
        if (pooled.width == width && pooled.height == height && pooled.frame != frames) {
            const GLuint texture = pooled.texture;
            pooled = pool.back();
            pool.pop_back();
            return texture;
        }
    if (width > maxTextureSize || height > maxTextureSize)
        return 0;
    gl.TexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    GLint accepted = 0;
    gl.GetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &accepted);
    if (accepted == 0)
        return 0;

    GLuint texture = 0;
    gl.GenTextures(1, &texture);
    useTexture(texture);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    return texture;
}

void GlScreen::giveBack(GlTile& tile)
{
    if (!tile.texture)
        return;
    if (pool.size() < pooledTextures) {
        pool.push_back({tile.texture, tile.textureWidth, tile.textureHeight, frames});
    } else {
        if (boundTexture == tile.texture)
            boundTexture = 0;
        gl.DeleteTextures(1, &tile.texture);
    }
    tile.texture = 0;
}

void GlScreen::dropAllTextures(bool replan)
{
    table.forEachInUse([&](TexInfo& info) {
        for (std::vector<GlTile>* tiles : {&info.tiles, &info.overBlackTiles})
            for (GlTile& tile : *tiles)
                if (tile.texture) {
                    gl.DeleteTextures(1, &tile.texture);
                    tile.texture = 0;
                }
        info.valid = false;
        info.overBlackValid = false;
        if (replan) {
            info.tiles.clear();
            info.overBlackTiles.clear();
        }
    });
    for (const PooledTexture& pooled : pool)
        gl.DeleteTextures(1, &pooled.texture);
    pool.clear();
    boundTexture = 0;
}

GlScreen::Ink GlScreen::plainInk(SDL_Surface* source, const TexelRule& rule)
{
    const Uint8 alpha = surfaceAlphaFor(source);
    return {rule.perPixelAlpha || rule.keyed || alpha != SDL_ALPHA_OPAQUE, false, 255, 255, 255,
            blendingAlpha(alpha)};
}

void GlScreen::draw(const std::vector<GlTile>& tiles, const SDL_Rect& area, int x, int y, const Ink& ink)
{
    useBlending(ink.blend);
    useInk(ink);
    for (const GlTile& tile : tiles) {
        const int left = std::max<int>(tile.area.x, area.x);
        const int top = std::max<int>(tile.area.y, area.y);
        const int right = std::min(tile.area.x + tile.area.w, area.x + area.w);
        const int bottom = std::min(tile.area.y + tile.area.h, area.y + area.h);
        if (right <= left || bottom <= top)
            continue;
        useTexture(tile.texture);
        const float u0 = float(left - tile.area.x) / tile.textureWidth;
        const float v0 = float(top - tile.area.y) / tile.textureHeight;
        const float u1 = float(right - tile.area.x) / tile.textureWidth;
        const float v1 = float(bottom - tile.area.y) / tile.textureHeight;
        const int x0 = x + left - area.x;
        const int y0 = y + top - area.y;
        const int x1 = x0 + right - left;
        const int y1 = y0 + bottom - top;
        gl.Begin(GL_QUADS);
        gl.TexCoord2f(u0, v0);
        gl.Vertex2i(x0, y0);
        gl.TexCoord2f(u1, v0);
        gl.Vertex2i(x1, y0);
        gl.TexCoord2f(u1, v1);
        gl.Vertex2i(x1, y1);
        gl.TexCoord2f(u0, v1);
        gl.Vertex2i(x0, y1);
        gl.End();
    }
}

void GlScreen::useTexture(GLuint texture)
{
    if (!texturing) {
        gl.Enable(GL_TEXTURE_2D);
        texturing = true;
    }
    if (boundTexture != texture) {
        gl.BindTexture(GL_TEXTURE_2D, texture);
        boundTexture = texture;
    }
}

void GlScreen::useBlending(bool on)
{
    if (on == blending)
        return;
    if (on)
        gl.Enable(GL_BLEND);
    else
        gl.Disable(GL_BLEND);
    blending = on;
}

void GlScreen::useInk(const Ink& ink)
{
    if (ink.tinted != tinting) {
        if (ink.tinted)
            gl.Enable(GL_FRAGMENT_PROGRAM_ARB);
        else
            gl.Disable(GL_FRAGMENT_PROGRAM_ARB);
        tinting = ink.tinted;
    }
    if (ink.tinted) {
        const int wanted[3] = {ink.red, ink.green, ink.blue};
        if (!std::equal(wanted, wanted + 3, tintColour)) {
            gl.ProgramEnvParameter4fARB(GL_FRAGMENT_PROGRAM_ARB, 0, ink.red, ink.green, ink.blue, 0);
            std::copy(wanted, wanted + 3, tintColour);
        }
        return;
    }
    // Texels modulated by opaque white are the texels themselves, which OpenGL draws cheaper.
    const bool white = ink.red == 255 && ink.green == 255 && ink.blue == 255 && ink.alpha == SDL_ALPHA_OPAQUE;
    const GLint mode = white ? GL_REPLACE : GL_MODULATE;
    if (mode != textureMode) {
        gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
        textureMode = mode;
    }
    const Uint8 wanted[4] = {ink.red, ink.green, ink.blue, ink.alpha};
    if (white || std::equal(wanted, wanted + 4, colour))
        return;
    gl.Color4ub(ink.red, ink.green, ink.blue, ink.alpha);
    std::copy(wanted, wanted + 4, colour);
}
