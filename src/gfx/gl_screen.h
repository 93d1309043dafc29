#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "gfx/gl_functions.h"
#include "gfx/gl_texture_table.h"
#include "gfx/picture_scale.h"

// The screen of the OpenGL path: the OpenGL window that SDL set up, the substitute screen surface
// that the game draws on (a real 32-bit surface; it holds pixels only when they are read back), and
// the drawing of blits and fills as textured quads. Textures are made from the source surfaces at
// their first blit onto the screen and made again only when the surface changed.
// A picture shown one to one is drawn straight into the window. An enlarged or centred one is
// drawn into a framebuffer object of the picture's size, which each swap draws enlarged (nearest
// texel) into the window; whatever reads the screen back reads that picture.
class GlScreen
{
public:
    struct Settings
    {
        int width;  // the picture
        int height;
        PicturePlacement placement;  // where it goes in the window
        int bitsPerPixel;
        Uint32 flags;         // SDL's flags, with SDL_OPENGL in place of the layer's flag
        bool vsync;
        int textureSizeLimit;  // 0: as large as OpenGL allows
    };

    // Sets the OpenGL video mode; null when SDL refuses it or an enlarged picture cannot be drawn
    // (SDL_GetError tells why).
    static std::unique_ptr<GlScreen> open(const GlFunctions& gl, GlTextureTable& table, const Settings& settings);
    // Sets another video mode (window or full screen, another placement) for the same picture,
    // which stays as it was drawn; textures are made again if the OpenGL context was replaced.
    // False (the old mode may be gone) when SDL refuses it.
    bool changeMode(const Settings& settings);
    ~GlScreen();
    GlScreen(const GlScreen&) = delete;
    GlScreen& operator=(const GlScreen&) = delete;

    SDL_Surface* screen() const { return substitute; }
    bool isScreen(const SDL_Surface* surface) const { return surface == substitute || surface == video; }

    // Blit of a surface onto the screen, with SDL_UpperBlit's arguments and result.
    int blit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect);
    // The translucent and the tinted blit of a sprite frame (what a blit onto black, then onto the
    // screen with the black keyed out, shows: with per-surface alpha, or half and half with the
    // colour), drawn from the source's over-black textures, so nothing is uploaded while the
    // source stays unchanged. Tints need OpenGL's fragment programs (drawsTints).
    int blitTranslucent(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect, Uint8 alpha);
    int blitTinted(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect, Uint8 red, Uint8 green,
                   Uint8 blue);
    bool drawsTints() const { return tintProgram != 0; }
    // SDL_FillRect on the screen.
    int fill(SDL_Rect* rect, Uint32 colour);
    // Reads an area of the screen (null: all of it) back into the substitute surface and returns
    // that surface, so that it can be the source of an SDL operation.
    SDL_Surface* readBack(const SDL_Rect* area);
    int lock();
    void unlock();
    void swap();

    // The surface is going away: its textures and its table entry are given back.
    void forget(SDL_Surface* surface);
    void limitTextureSize(int limit);
    unsigned long uploads() const { return uploadCount; }

    // Gives back every texture and the substitute surface while the OpenGL context still exists.
    void close();

private:
    // How texels are put on the screen: blended or not, modulated by a colour, or (tinted) mixed
    // with the colour and keyed by the tint program.
    struct Ink
    {
        bool blend;
        bool tinted;
        Uint8 red, green, blue, alpha;
    };
    GlScreen(const GlFunctions& gl, GlTextureTable& table);
    void takeModeFlags();
    bool setUp(const Settings& settings);
    void makeTintProgram();
    bool makeFramebuffer();
    void releaseTargets(bool contextKept);
    void drawIntoPicture();
    void showPicture();
    void restorePicture();
    // A blit from the source's own textures, or with an effect from its over-black ones.
    int blitWith(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Rect* targetRect, const Ink* effect);
    bool prepareTextures(TexInfo& info);
    bool prepareOverBlack(TexInfo& info);
    bool upload(SDL_Surface* surface, const TexelRule& rule, std::vector<GlTile>& tiles);
    GLuint makeTexture(int width, int height);
    void giveBack(GlTile& tile);
    void dropAllTextures(bool replan);
    void draw(const std::vector<GlTile>& tiles, const SDL_Rect& sourceArea, int x, int y, const Ink& ink);
    static Ink plainInk(SDL_Surface* source, const TexelRule& rule);
    void useTexture(GLuint texture);
    void useBlending(bool on);
    void useInk(const Ink& ink);

    struct PooledTexture
    {
        GLuint texture;
        int width;
        int height;
        unsigned long frame;  // the frame in which it was given back
    };

    const GlFunctions& gl;
    GlTextureTable& table;
    SDL_Surface* video = nullptr;
    SDL_Surface* substitute = nullptr;
    int pictureWidth = 0;
    int pictureHeight = 0;
    PicturePlacement placement;
    GLuint probeTexture = 0;  // tells after a mode change whether the context is still the same
    GLuint framebuffer = 0;   // set while the picture is drawn enlarged
    GLuint pictureTexture = 0;
    int pictureTextureWidth = 0;
    int pictureTextureHeight = 0;
    int glMaxTextureSize = 256;
    int maxTextureSize = 256;
    unsigned long uploadCount = 0;
    unsigned long frames = 0;
    std::vector<Uint8> staging;
    std::vector<PooledTexture> pool;

    GLuint tintProgram = 0;  // 0: OpenGL offers no fragment programs
    bool texturing = false;
    bool blending = false;
    bool tinting = false;
    GLint textureMode = GL_MODULATE;
    int tintColour[3] = {-1, -1, -1};
    GLuint boundTexture = 0;
    Uint8 colour[4] = {255, 255, 255, SDL_ALPHA_OPAQUE};
};
