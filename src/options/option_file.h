#pragma once

#include <functional>
#include <string>

#include "options/player_file.h"

// The option files are lines of a keyword, one space and a decimal integer.
// Reading: each line (in pieces of at most 4095 bytes, so no line can overflow the buffer) has
// its first space-separated token compared with the keywords; the value is parsed with "%i",
// so hexadecimal (0x..) and octal (leading 0) values work and a malformed value reads as 0.
// A file that is missing or cannot be read leaves every value as it was; so does one that is
// damaged (too large, or holding control characters: no text file of keywords).
void readOptionFile(CPlayerFile& file, const std::function<void(const std::string& keyword, int value)>& apply);

// Makes a new, empty file at the path and opens it for writing, never through a link: whatever
// was there (a file left by a save that was cut short, a link planted at the name) is removed
// first. The descriptor, or -1 with errno saying why.
int createFileAnew(const std::string& path);

// Writes through a temporary file beside the target (NAME.tmp, made by createFileAnew), which is
// synced to the disk and renamed over it, and the folder is synced after the rename: a crash, a
// power loss or a full disk leaves the old file or the new one, never a half-written one. Returns
// false when the file could not be written (the old file, if any, is then left untouched; errno
// says why).
bool replaceFile(const std::string& path, const std::string& contents);

// While a recorded game is replayed, the player's own files (options, top ten) are left as they
// are: the replayed game's saves are skipped, answering as a successful save did in the recording.
void keepPlayerFiles(bool keep);
bool playerFilesKeptAsTheyAre();
