#pragma once

#include <string>
#include <vector>

// What the player (or a level designer, a test, a benchmark) asked for on the command line.
struct CCommandLine
{
    std::string levelSet;   // --set NAME: a level set's folder name
    std::string level;      // --level NAME: start a new game directly at this level
    bool software = false;  // --software: draw through the plain SDL path
    bool openGl = false;    // --opengl: OpenGL even when it is a software renderer
    int scale = 0;          // --scale N (1..8): the window's scale; 0 chooses it from the desktop's size
    // The files below are absolute paths: a relative one is taken from the folder the game was
    // started in.
    std::string record;     // --record [FILE]: without FILE a new file in the player's demos/
    std::string playDemo;   // --playdemo FILE
    std::string timeDemo;   // --timedemo FILE
    std::string statDump;   // --statdump FILE
    bool check = false;     // --check [SET ...]: check the level sets and end
    std::vector<std::string> checkSets;

    bool startsAtLevel() const { return !levelSet.empty() || !level.empty(); }
};

// Parses the arguments; on a mistake prints the reason and the usage to standard error and
// ends the program with status 2. --help and --version print their answer on standard output
// and end the program with status 0.
CCommandLine parseCommandLine(int argc, char** argv);
