#pragma once

#include <SDL.h>

#include <cstddef>
#include <string>

// Reads little-endian numbers from a block of bytes and never past its end: a read that does
// not fit sets the error flag and yields zero, and so does every read after it.
class CDemoByteReader
{
public:
    CDemoByteReader(const std::string& bytes, std::size_t start = 0);

    Uint8 u8();
    Uint16 u16();
    Uint32 u32();
    // A string of the given length.
    std::string text(std::size_t length);
    void skip(std::size_t count);

    bool failed() const { return error; }
    std::size_t offset() const { return position; }
    std::size_t remaining() const { return data.size() - position; }

private:
    bool take(std::size_t count);

    const std::string& data;
    std::size_t position;
    bool error = false;
};

// Appends little-endian numbers to a byte buffer.
void appendU8(std::string& out, Uint8 value);
void appendU16(std::string& out, Uint16 value);
void appendU32(std::string& out, Uint32 value);
// Overwrites numbers already in the buffer (a frame's fields are known only at its end).
void putU16(std::string& out, std::size_t at, Uint16 value);
void putU32(std::string& out, std::size_t at, Uint32 value);
