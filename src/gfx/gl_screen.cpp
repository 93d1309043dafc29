#include "gfx/gl_screen.h"

#include <algorithm>
#include <cstdio>

#include "gfx/gl_clip.h"
#include "gfx/gl_pixels.h"

namespace {

// Textures given back by freed surfaces are kept for reuse (the temporary surfaces of translucent
// drawing come and go every frame) up to this many. A texture is reused only in a later frame:
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

}

std::unique_ptr<GlScreen> GlScreen::open(const GlFunctions& gl, GlTextureTable& table, const Settings& settings)
{
    const ColourSizes sizes = colourSizesFor(settings.bitsPerPixel);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, sizes.red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, sizes.green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, sizes.blue);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, (settings.flags & SDL_DOUBLEBUF) ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, settings.vsync ? 1 : 0);
    SDL_Surface* video = SDL_SetVideoMode(settings.width, settings.height, settings.bitsPerPixel, settings.flags);
    if (!video)
        return nullptr;

    const SDL_PixelFormat& format = layerPixelFormat(false);
    SDL_Surface* substitute = SDL_CreateRGBSurface(SDL_SWSURFACE, settings.width, settings.height, 32, format.Rmask,
                                                   format.Gmask, format.Bmask, 0);
    if (!substitute)
        return nullptr;
    substitute->flags |= video->flags & (SDL_FULLSCREEN | SDL_DOUBLEBUF);

    std::unique_ptr<GlScreen> screen(new GlScreen(gl, table));
    screen->video = video;
    screen->substitute = substitute;
    screen->setUp(settings);
    return screen;
}

GlScreen::GlScreen(const GlFunctions& gl, GlTextureTable& table) : gl(gl), table(table)
{
    pool.reserve(pooledTextures);
}

GlScreen::~GlScreen()
{
    close();
}

void GlScreen::setUp(const Settings& settings)
{
    gl.Viewport(0, 0, settings.width, settings.height);
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.Ortho(0, settings.width, settings.height, 0, -1, 1);
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
    gl.Disable(GL_DEPTH_TEST);
    gl.Disable(GL_CULL_FACE);
    gl.Disable(GL_DITHER);
    gl.Disable(GL_SCISSOR_TEST);
    gl.Disable(GL_BLEND);
    gl.Disable(GL_TEXTURE_2D);
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl.Color4ub(255, 255, 255, SDL_ALPHA_OPAQUE);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);

    GLint reported = 0;
    gl.GetIntegerv(GL_MAX_TEXTURE_SIZE, &reported);
    if (reported > 0)
        glMaxTextureSize = reported;
    maxTextureSize = glMaxTextureSize;
    if (settings.textureSizeLimit > 0)
        maxTextureSize = std::min(maxTextureSize, settings.textureSizeLimit);

    // A new screen starts black, as SDL's does.
    gl.ClearColor(0, 0, 0, 1);
    gl.Clear(GL_COLOR_BUFFER_BIT);
    if (settings.flags & SDL_DOUBLEBUF) {
        SDL_GL_SwapBuffers();
        gl.Clear(GL_COLOR_BUFFER_BIT);
    }
}

int GlScreen::blit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect)
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
    if (!prepareTextures(*info))
        return -1;
    draw(source, *info, area, placed.x, placed.y);
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
    TexInfo* info = table.acquire(substitute);
    if (!info)
        return;
    info->valid = false;
    if (prepareTextures(*info))
        draw(substitute, *info, {0, 0, static_cast<Uint16>(substitute->w), static_cast<Uint16>(substitute->h)}, 0, 0);
}

void GlScreen::swap()
{
    SDL_GL_SwapBuffers();
    ++frames;
}

int GlScreen::toggleFullScreen()
{
    const int toggled = SDL_WM_ToggleFullScreen(video);
    if (toggled) {
        substitute->flags = (substitute->flags & ~SDL_FULLSCREEN) | (video->flags & SDL_FULLSCREEN);
        gl.Viewport(0, 0, substitute->w, substitute->h);
    }
    return toggled;
}

void GlScreen::forget(SDL_Surface* surface)
{
    TexInfo* info = table.find(surface);
    if (!info)
        return;
    for (GlTile& tile : info->tiles)
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
}

bool GlScreen::prepareTextures(TexInfo& info)
{
    SDL_Surface* surface = info.surface;
    const TexelRule rule = texelRuleFor(surface);
    if (info.valid && info.rule == rule)
        return true;
    if (info.tiles.empty())
        planTiles(surface->w, surface->h, maxTextureSize, info.tiles);
    for (GlTile& tile : info.tiles)
        if (!tile.texture) {
            tile.texture = makeTexture(tile.textureWidth, tile.textureHeight);
            if (!tile.texture) {
                std::fprintf(stderr, "glSDL/wrapper: INTERNAL ERROR: Too large texture!\n");
                SDL_SetError("glSDL/wrapper: too large texture");
                return false;
            }
        }

    SDL_LockSurface(surface);
    for (GlTile& tile : info.tiles) {
        staging.resize(static_cast<size_t>(tile.area.w) * tile.area.h * 4);
        surfaceToTexels(surface, rule, tile.area, staging.data());
        useTexture(tile.texture);
        gl.TexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, tile.area.w, tile.area.h, GL_RGBA, GL_UNSIGNED_BYTE,
                         staging.data());
        ++uploadCount;
    }
    SDL_UnlockSurface(surface);
    info.rule = rule;
    info.valid = true;
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
        for (GlTile& tile : info.tiles)
            if (tile.texture) {
                gl.DeleteTextures(1, &tile.texture);
                tile.texture = 0;
            }
        info.valid = false;
        if (replan)
            info.tiles.clear();
    });
    for (const PooledTexture& pooled : pool)
        gl.DeleteTextures(1, &pooled.texture);
    pool.clear();
    boundTexture = 0;
}

void GlScreen::draw(SDL_Surface* source, TexInfo& info, const SDL_Rect& area, int x, int y)
{
    const Uint8 alpha = surfaceAlphaFor(source);
    useBlending(info.rule.perPixelAlpha || info.rule.keyed || alpha != SDL_ALPHA_OPAQUE);
    useAlpha(alpha);
    for (const GlTile& tile : info.tiles) {
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

void GlScreen::useAlpha(Uint8 alpha)
{
    if (alpha == colourAlpha)
        return;
    gl.Color4ub(255, 255, 255, alpha);
    colourAlpha = alpha;
}
