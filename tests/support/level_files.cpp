#include "support/level_files.h"

#include <filesystem>

void writeLevelRoot(const TempDir& dir)
{
    for (const char* font : {"font1.png", "font2.png", "fontsmall2.png"})
        std::filesystem::copy_file(std::string(ZEPO_GAME_DIR) + "/" + font, dir.file(font));
    dir.write("data/maps/tiles.xml", R"(<tiledef src="none.png"><tileSprite name="s" x="0" y="0"/>
        <tile name="ground" id="1" walkable="0" special="0" tileSprite="s"/></tiledef>)");
}

void writeLevelFiles(const TempDir& dir, const std::string& name, const std::string& attributes)
{
    std::string ground;
    for (int x = 0; x < 20; ++x)
        ground += "<tile id=\"1\" x=\"" + std::to_string(x) + "\" y=\"14\"/>";
    const std::string base = "data/maps/easy/" + name;
    dir.write(base + "_defs.xml", "<level tiledef=\"tiles.xml\" name=\"Pole " + name + "\" " + attributes + "/>");
    dir.write(base + "_map.xml", "<map><layer>" + ground + "</layer></map>");
    dir.write(base + "_entities.xml", R"(<mapEntities><entity name="PLAYER" x="300" y="100"/></mapEntities>)");
}
