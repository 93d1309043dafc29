#include "gfx/sprite.h"


#include "app/clock.h"
#include "app/fatal.h"
#include "app/logger.h"
#include "gfx/surface_manager.h"
#include "gfx/video.h"

namespace {

CSpriteCollection* programCollection = nullptr;

// Names are kept within the sizes of their fixed buffers.
std::string limited(const std::string& text, size_t maxLength)
{
    return text.size() > maxLength ? text.substr(0, maxLength) : text;
}

// A surface that cannot be had during play ends the game (status 255).
SDL_Surface* newFrameSurface(int w, int h)
{
    SDL_Surface* made = glSDL_CreateRGBSurface(SDL_HWSURFACE, w, h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
    if (!made)
        fatalError(std::string("CreateRGBSurface failed: ") + SDL_GetError());
    return made;
}

}

const char* const programCollectionFile = "data/gfx/didudo_sprites.xml";

CSpriteCollection* spriteCollection()
{
    return programCollection;
}

void setSpriteCollection(CSpriteCollection* collection)
{
    programCollection = collection;
}

CFrame::CFrame(const std::string& frameName, int x, int y, int w, int h, int delay)
    : CFrame(frameName, x, y, w, h, delay, 0, 0, 0, 0)
{
}

CFrame::CFrame(const std::string& frameName, int x, int y, int w, int h, int delay, int bX, int bY, int bW, int bH)
    : delay(delay), x(x), y(y), w(w), h(h), name(limited(frameName, 255)), bX(bX), bY(bY), bW(bW), bH(bH)
{
}

SDL_Rect CFrame::box() const
{
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(bX);
    rect.y = static_cast<Sint16>(bY);
    rect.w = static_cast<Uint16>(bW);
    rect.h = static_cast<Uint16>(bH);
    return rect;
}

CFrameset::CFrameset(const std::string& sourceFile, const std::string& framesetName, bool repeatAnimation)
    : source(CSurfaceManager::instance().getSurface(sourceFile)),
      repeat(repeatAnimation),
      name(limited(framesetName, 261)),
      lastChange(currentTicks())
{
}

CFrameset::CFrameset(const CFrameset& other)
    : source(other.source), currentIndex(0), playing(true), repeat(other.repeat), name(other.name),
      lastChange(currentTicks())
{
    for (const auto& frame : other.frames)
        frames.push_back(std::make_unique<CFrame>(*frame));
    currentFrame = frames.empty() ? nullptr : frames.front().get();
    CLogger::instance().write(std::string("opakovat animaci:") + (repeat ? "1" : "0"));
}

void CFrameset::addFrame(std::unique_ptr<CFrame> frame)
{
    frames.push_back(std::move(frame));
    currentIndex = 0;
    currentFrame = frames.front().get();
}

void CFrameset::rewind()
{
    currentIndex = 0;
    currentFrame = frames.empty() ? nullptr : frames.front().get();
}

void CFrameset::restart()
{
    rewind();
    playing = true;
    lastChange = currentTicks();
}

int CFrameset::selectFrame(const std::string& frameName)
{
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i]->name == frameName) {
            currentIndex = static_cast<int>(i);
            currentFrame = frames[i].get();
            return currentIndex;
        }
    }
    currentIndex = -1;
    currentFrame = nullptr;
    return -1;
}

SDL_Rect CFrameset::currentArea() const
{
    if (!currentFrame)
        return SDL_Rect{0, 0, 0, 0};
    return {static_cast<Sint16>(currentFrame->x), static_cast<Sint16>(currentFrame->y),
            static_cast<Uint16>(currentFrame->w), static_cast<Uint16>(currentFrame->h)};
}

void CFrameset::drawAndAdvance(SDL_Surface* target, int x, int y)
{
    if (!currentFrame)
        return;
    SDL_Rect from = currentArea();
    SDL_Rect to = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    glSDL_BlitSurface(source, &from, target, &to);
    advance();
}

void CFrameset::advance()
{
    if (!currentFrame || !playing)
        return;
    if (currentTicks() - lastChange <= static_cast<Uint32>(currentFrame->delay))
        return;
    ++currentIndex;
    if (currentIndex == static_cast<int>(frames.size())) {
        if (!repeat)
            playing = false;
        currentIndex = 0;
    }
    currentFrame = frames[currentIndex].get();
    lastChange = currentTicks();
}

CSprite::CSprite(const std::string& spriteName) : name(limited(spriteName, 258)) {}

CSprite::CSprite(const CSprite& other) : currentIndex(other.currentIndex), name(other.name)
{
    for (const auto& frameset : other.framesets)
        framesets.push_back(std::make_unique<CFrameset>(*frameset));
    if (currentIndex >= 0 && currentIndex < static_cast<int>(framesets.size()))
        currentFrameset = framesets[currentIndex].get();
}

CSprite::~CSprite()
{
    if (CLogger* log = CLogger::existing())
        log->write("Deleting sprite " + name);
}

void CSprite::addFrameset(std::unique_ptr<CFrameset> frameset)
{
    framesets.push_back(std::move(frameset));
    currentIndex = 0;
    currentFrameset = framesets.front().get();
}

void CSprite::setFrameset(const std::string& framesetName)
{
    for (size_t i = 0; i < framesets.size(); ++i) {
        if (framesets[i]->getName() == framesetName) {
            currentIndex = static_cast<int>(i);
            currentFrameset = framesets[i].get();
            return;
        }
    }
    CLogger::instance().write("Warning: frameset " + framesetName + " not found in sprite " + name + " !");
    if (framesets.empty())
        return;
    currentIndex = 0;
    currentFrameset = framesets.front().get();
}

const CFrameset* CSprite::findFrameset(const std::string& framesetName) const
{
    for (const auto& frameset : framesets)
        if (frameset->getName() == framesetName)
            return frameset.get();
    return nullptr;
}

std::string CSprite::currentFramesetName() const
{
    return currentFrameset ? currentFrameset->getName() : std::string();
}

const CFrame* CSprite::currentFrame() const
{
    return currentFrameset ? currentFrameset->getCurrentFrame() : nullptr;
}

SDL_Rect CSprite::currentBox() const
{
    const CFrame* frame = currentFrame();
    return frame ? frame->box() : SDL_Rect{0, 0, 0, 0};
}

void CSprite::drawAnimated(SDL_Surface* target)
{
    if (currentFrameset)
        currentFrameset->drawAndAdvance(target, x, y);
}

void CSprite::drawTranslucentAt(SDL_Surface* target, int atX, int atY, int alpha)
{
    if (!currentFrameset->getCurrentFrame())
        return;
    int w = currentFrameset->currentWidth();
    int h = currentFrameset->currentHeight();
    if (w <= 0 || h <= 0) {
        currentFrameset->advance();
        return;
    }
    SDL_Rect from = currentFrameset->currentArea();
    SDL_Rect at = {static_cast<Sint16>(atX), static_cast<Sint16>(atY), 0, 0};
    if (glSDL_DrawTranslucent(currentFrameset->getSource(), &from, target, &at, static_cast<Uint8>(alpha))) {
        currentFrameset->advance();
        return;
    }
    SDL_Surface* frame = newFrameSurface(w, h);
    if (!frame)
        return;
    currentFrameset->drawAndAdvance(frame, 0, 0);
    glSDL_SetAlpha(frame, SDL_SRCALPHA, static_cast<Uint8>(alpha));
    glSDL_SetColorKey(frame, SDL_SRCCOLORKEY, SDL_MapRGB(frame->format, 0, 0, 0));
    SDL_Rect to = {static_cast<Sint16>(atX), static_cast<Sint16>(atY), 0, 0};
    glSDL_BlitSurface(frame, nullptr, target, &to);
    glSDL_FreeSurface(frame);
}

void CSprite::drawTranslucent(SDL_Surface* target, int alpha)
{
    if (currentFrameset)
        drawTranslucentAt(target, x, y, alpha);
}

void CSprite::drawTinted(SDL_Surface* target, Uint8 red, Uint8 green, Uint8 blue)
{
    if (!currentFrameset || !currentFrameset->getCurrentFrame())
        return;
    int w = currentFrameset->currentWidth();
    int h = currentFrameset->currentHeight();
    if (w <= 0 || h <= 0) {
        currentFrameset->advance();
        return;
    }
    SDL_Rect from = currentFrameset->currentArea();
    SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    if (glSDL_DrawTinted(currentFrameset->getSource(), &from, target, &at, red, green, blue)) {
        currentFrameset->advance();
        return;
    }
    SDL_Surface* tinted = newFrameSurface(w, h);
    Uint32 tint = SDL_MapRGB(tinted->format, red, green, blue);
    glSDL_FillRect(tinted, nullptr, tint);
    drawTranslucentAt(tinted, 0, 0, 128);
    glSDL_SetColorKey(tinted, SDL_SRCCOLORKEY, tint);
    SDL_Rect to = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    glSDL_BlitSurface(tinted, nullptr, target, &to);
    glSDL_FreeSurface(tinted);
}

CSpriteCollection::CSpriteCollection(const std::string& collectionName) : name(collectionName) {}

CSpriteCollection::~CSpriteCollection()
{
    if (CLogger* log = CLogger::existing())
        log->write("Deleting sprite VZORY----");
    templates.clear();
}

void CSpriteCollection::add(std::unique_ptr<CSprite> sprite)
{
    templates.push_back(std::move(sprite));
}

int CSpriteCollection::find(const std::string& spriteName) const
{
    for (size_t i = 0; i < templates.size(); ++i)
        if (templates[i]->getName() == spriteName)
            return static_cast<int>(i);
    return -1;
}

std::unique_ptr<CSprite> CSpriteCollection::createCopy(const std::string& spriteName) const
{
    int index = find(spriteName);
    if (index < 0)
        fatalError("Cannot create sprite copy, sprite " + spriteName + " not found!");
    return std::make_unique<CSprite>(*templates[index]);
}
