// Reading the sprite collection file: <kolekce> holds <sprite name src>, each holds
// <frameset name [repeatAnimation]>, each holds <frameB name x y w h delay bX bY bW bH>.
#include <tinyxml.h>

#include "app/fatal.h"
#include "app/xml_file.h"
#include "app/logger.h"
#include "app/text_number.h"
#include "gfx/sprite.h"
#include "gfx/surface_manager.h"

namespace {

// The frame attributes in the order they are checked, with the message for a missing one.
struct FrameAttribute
{
    const char* attribute;
    const char* missing;
};

const FrameAttribute frameAttributes[] = {
    {"name", "Name not found near FRAMEB tag!"}, {"x", "X not found near FRAMEB tag!"},
    {"y", "Y not found near FRAMEB tag!"},       {"w", "W not found near FRAMEB tag!"},
    {"h", "H not found near FRAMEB tag!"},       {"delay", "DELAY not found near FRAMEB tag!"},
    {"bX", "BX not found near FRAMEB tag!"},     {"bY", "BY not found near FRAMEB tag!"},
    {"bW", "BW not found near FRAMEB tag!"},     {"bH", "BH not found near FRAMEB tag!"},
};

std::unique_ptr<CFrame> readFrame(const TiXmlElement* element, const std::string& path)
{
    const char* values[10];
    for (int i = 0; i < 10; ++i) {
        values[i] = element->Attribute(frameAttributes[i].attribute);
        if (!values[i])
            fatalErrorAt(path, element->Row(), frameAttributes[i].missing);
    }
    int number[10];
    for (int i = 1; i < 10; ++i)
        number[i] = leadingUint16(values[i]);
    return std::make_unique<CFrame>(values[0], number[1], number[2], number[3], number[4], number[5], number[6],
                                    number[7], number[8], number[9]);
}

// A frame is a rectangle of its image and its collision box a part of the frame; anything else
// would be drawn from outside the picture (a negative size wraps to 65535).
void checkFrameInsideImage(const CFrame& frame, const SDL_Surface* image, const std::string& path,
                           const std::string& spriteName, const std::string& source)
{
    const std::string where = "frame " + frame.name + " of sprite " + spriteName;
    if (image && (frame.x + frame.w > image->w || frame.y + frame.h > image->h))
        fatalErrorIn(path, "The " + where + " (" + std::to_string(frame.x) + ", " + std::to_string(frame.y) + ", " +
                               std::to_string(frame.w) + " x " + std::to_string(frame.h) +
                               ") does not lie inside its image " + source + " (" + std::to_string(image->w) + " x " +
                               std::to_string(image->h) + ")!");
    if (frame.bX + frame.bW > frame.w || frame.bY + frame.bH > frame.h)
        fatalErrorIn(path, "The collision box of the " + where + " (" + std::to_string(frame.bX) + ", " +
                               std::to_string(frame.bY) + ", " + std::to_string(frame.bW) + " x " +
                               std::to_string(frame.bH) + ") does not lie inside the frame (" +
                               std::to_string(frame.w) + " x " + std::to_string(frame.h) + ")!");
}

}

void CSpriteCollection::load(const std::string& path)
{
    CLogger& log = CLogger::instance();
    const CSurfaceManager& surfaces = CSurfaceManager::instance();
    TiXmlDocument document;
    loadXmlFile(document, path);
    const TiXmlElement* root = document.FirstChildElement("kolekce");
    if (!root)
        return;
    for (const TiXmlElement* spriteElement = root->FirstChildElement("sprite"); spriteElement;
         spriteElement = spriteElement->NextSiblingElement("sprite")) {
        const char* spriteName = spriteElement->Attribute("name");
        if (!spriteName)
            fatalErrorAt(path, spriteElement->Row(), "Name not found near SPRITE tag!");
        const char* source = spriteElement->Attribute("src");
        if (!source)
            fatalErrorAt(path, spriteElement->Row(), "Source graphics not found near FRAMESET tag!");
        add(std::make_unique<CSprite>(spriteName));
        CSprite* sprite = templates.back().get();
        log.write(std::string("NEW SPRITE ") + spriteName + " at " + pointerText(sprite));

        for (const TiXmlElement* framesetElement = spriteElement->FirstChildElement("frameset"); framesetElement;
             framesetElement = framesetElement->NextSiblingElement("frameset")) {
            const char* framesetName = framesetElement->Attribute("name");
            if (!framesetName)
                fatalErrorAt(path, framesetElement->Row(), "Name not found near FRAMESET tag!");
            const char* repeatValue = framesetElement->Attribute("repeatAnimation");
            bool repeat = !repeatValue || leadingUint16(repeatValue) == 1;
            auto frameset = std::make_unique<CFrameset>(source, framesetName, repeat);
            CFrameset* framesetAddress = frameset.get();
            log.write(std::string("NEW FRAMESET ") + framesetName + " at " + pointerText(framesetAddress) +
                      ", inserting into sprite at " + pointerText(sprite));
            sprite->addFrameset(std::move(frameset));

            for (const TiXmlElement* frameElement = framesetElement->FirstChildElement("frameB"); frameElement;
                 frameElement = frameElement->NextSiblingElement("frameB")) {
                std::unique_ptr<CFrame> frame = readFrame(frameElement, path);
                // The frame is checked against the picture it will be cut from: the one read again
                // while a designer's reload reads the pictures again.
                checkFrameInsideImage(*frame, surfaces.latestPicture(framesetAddress->getSource()), path,
                                      spriteName, source);
                log.write("NEW FRAME " + frame->name + " at " + pointerText(frame.get()) +
                          ", inserting into frameset at " + pointerText(framesetAddress) + " " +
                          std::to_string(frame->x) + " " + std::to_string(frame->y) + " " + std::to_string(frame->w) +
                          " " + std::to_string(frame->h));
                framesetAddress->addFrame(std::move(frame));
            }
        }
    }
}
