#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

#include "app/singleton.h"

// The image cache: every picture drawn from a file (except the font strips) is loaded here once,
// given the cyan colour key, converted to the display format and shared by every caller.
//
// A level's designer may have the pictures read again while the game runs. During such a
// reread, each file asked for is read from disk once more, but the surface handed out for a file
// already cached stays the cached one, so that nothing holding it is left with a freed surface;
// the picture read is kept aside until the reread is taken (the cached surfaces then show the new
// pictures) or dropped (they stay as they were).
class CSurfaceManager : public Singleton<CSurfaceManager>
{
public:
    ~CSurfaceManager() override;

    // The surface of the named file, or null when it cannot be loaded (tried again next time).
    SDL_Surface* getSurface(const std::string& fileName);

    void beginReread();
    // The pictures read replace the cached ones of their files; a picture that is the same as the
    // cached one, pixel for pixel, is dropped and the cached surface (and its textures) kept.
    void takeReread();
    void dropReread();
    bool rereading() const { return reading; }
    // The picture a surface handed out will show once the reread under way is taken: the one read
    // again for it, else the surface itself.
    const SDL_Surface* latestPicture(const SDL_Surface* handed) const;

private:
    // A file read again: its cached surface (null for a file not cached before) and the picture
    // read (null when it could not be read).
    struct CReread
    {
        std::string fileName;
        SDL_Surface* cached;
        SDL_Surface* picture;

        // What callers get: the cached surface, else the new picture; null while it cannot be read.
        SDL_Surface* handed() const { return picture && cached ? cached : picture; }
    };

    SDL_Surface* cachedSurface(const std::string& fileName) const;
    // Reads the file and converts it for drawing; null (logged) when that fails.
    SDL_Surface* loadPicture(const std::string& fileName);
    SDL_Surface* rereadSurface(const std::string& fileName);

    std::vector<std::pair<std::string, SDL_Surface*>> entries;
    std::vector<CReread> reread;
    bool reading = false;
};

// Holds a reread open for its lifetime; it is dropped unless taken.
class CPictureReread
{
public:
    CPictureReread() { CSurfaceManager::instance().beginReread(); }
    ~CPictureReread()
    {
        if (!taken)
            CSurfaceManager::instance().dropReread();
    }
    CPictureReread(const CPictureReread&) = delete;
    CPictureReread& operator=(const CPictureReread&) = delete;

    void take()
    {
        CSurfaceManager::instance().takeReread();
        taken = true;
    }

private:
    bool taken = false;
};

// Whether two surfaces hold the same picture: size, pixel format, colour key, alpha and pixels.
bool samePicture(const SDL_Surface* a, const SDL_Surface* b);
