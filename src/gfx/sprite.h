#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

// One picture of an animation: a rectangle of the frameset's source image, how long it stays,
// and its collision box relative to the frame's top-left corner (0 x 0 = no box).
class CFrame
{
public:
    CFrame(const std::string& frameName, int x, int y, int w, int h, int delay);
    CFrame(const std::string& frameName, int x, int y, int w, int h, int delay, int bX, int bY, int bW, int bH);

    int delay;
    int x, y, w, h;
    std::string name;
    int bX, bY, bW, bH;

    SDL_Rect box() const;
    int boxCenterX() const { return bX + bW / 2; }
    int boxCenterY() const { return bY + bH / 2; }
};

// A named, timed sequence of frames cut from one source image.
class CFrameset
{
public:
    CFrameset(const std::string& sourceFile, const std::string& framesetName, bool repeatAnimation);
    CFrameset(const CFrameset& other);
    CFrameset& operator=(const CFrameset&) = delete;

    void addFrame(std::unique_ptr<CFrame> frame);
    void start() { playing = true; }
    void stop() { playing = false; }
    bool isPlaying() const { return playing; }
    void rewind();
    // Plays the animation again from its first frame, which stays for its whole delay.
    void restart();
    int selectFrame(const std::string& frameName);

    // A frameset without a current frame (after a failed selectFrame) has zero size, an empty
    // box and draws nothing.
    int currentWidth() const { return currentFrame ? currentFrame->w : 0; }
    int currentHeight() const { return currentFrame ? currentFrame->h : 0; }
    const CFrame* getCurrentFrame() const { return currentFrame; }
    int getCurrentIndex() const { return currentIndex; }
    size_t frameCount() const { return frames.size(); }
    const std::string& getName() const { return name; }
    bool repeats() const { return repeat; }
    SDL_Surface* getSource() const { return source; }

    // Draws the current frame at (x, y) and advances the animation by at most one frame once
    // the frame's delay has passed. A play-once animation stops on its first frame.
    void drawAndAdvance(SDL_Surface* target, int x, int y);
    // Advances as drawAndAdvance does, without drawing (a frame of zero width or height, or one
    // drawn otherwise: translucent and tinted on the OpenGL screen).
    void advance();
    // The current frame's area of the source image.
    SDL_Rect currentArea() const;

private:
    SDL_Surface* source;
    std::vector<std::unique_ptr<CFrame>> frames;
    int currentIndex = -1;
    bool playing = false;
    bool repeat;
    std::string name;
    Uint32 lastChange;
    CFrame* currentFrame = nullptr;
};

// A named set of animations. Every user owns its own copy made from a template of the collection.
class CSprite
{
public:
    explicit CSprite(const std::string& spriteName);
    CSprite(const CSprite& other);
    CSprite& operator=(const CSprite&) = delete;
    ~CSprite();

    void addFrameset(std::unique_ptr<CFrameset> frameset);
    // Selects the first frameset of that name; a missing name selects frameset 0 with a warning.
    void setFrameset(const std::string& framesetName);
    void setPosition(int newX, int newY)
    {
        x = newX;
        y = newY;
    }
    std::string currentFramesetName() const;
    CFrameset* getCurrentFrameset() const { return currentFrameset; }
    int getCurrentIndex() const { return currentIndex; }
    size_t framesetCount() const { return framesets.size(); }
    CFrameset* framesetAt(size_t index) const { return framesets[index].get(); }
    // The first frameset of that name, or null.
    const CFrameset* findFrameset(const std::string& framesetName) const;
    const std::string& getName() const { return name; }
    int getX() const { return x; }
    int getY() const { return y; }

    // The current frame, or null; its box is empty when there is none.
    const CFrame* currentFrame() const;
    SDL_Rect currentBox() const;

    void drawAnimated(SDL_Surface* target);
    void drawTranslucent(SDL_Surface* target, int alpha);
    void drawTinted(SDL_Surface* target, Uint8 red, Uint8 green, Uint8 blue);

private:
    // The translucent drawing of the current frame at (atX, atY) of the target.
    void drawTranslucentAt(SDL_Surface* target, int atX, int atY, int alpha);

    int x = 0;
    int y = 0;
    std::vector<std::unique_ptr<CFrameset>> framesets;
    int currentIndex = -1;
    std::string name;
    CFrameset* currentFrameset = nullptr;
};

// The sprite templates, read once from the collection file; users take copies by name.
class CSpriteCollection
{
public:
    explicit CSpriteCollection(const std::string& collectionName);
    ~CSpriteCollection();
    CSpriteCollection(const CSpriteCollection&) = delete;
    CSpriteCollection& operator=(const CSpriteCollection&) = delete;

    void add(std::unique_ptr<CSprite> sprite);
    int find(const std::string& spriteName) const;
    // A new copy of the named template; a name that is not there ends the program.
    std::unique_ptr<CSprite> createCopy(const std::string& spriteName) const;
    // Reads the sprite collection file; a missing file or a structural error ends the program.
    void load(const std::string& path);

    size_t size() const { return templates.size(); }
    const CSprite& at(size_t index) const { return *templates[index]; }
    const std::string& getName() const { return name; }

private:
    std::vector<std::unique_ptr<CSprite>> templates;
    std::string name;
};

// The program-wide collection ("kolekce"), set at start-up; entities and states copy from it.
// It is read from this file of the data folder.
extern const char* const programCollectionFile;
CSpriteCollection* spriteCollection();
void setSpriteCollection(CSpriteCollection* collection);
