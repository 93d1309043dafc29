#include "demo/demo_bytes.h"

CDemoByteReader::CDemoByteReader(const std::string& bytes, std::size_t start)
    : data(bytes), position(start <= bytes.size() ? start : bytes.size()), error(start > bytes.size())
{
}

bool CDemoByteReader::take(std::size_t count)
{
    if (error || count > remaining()) {
        error = true;
        return false;
    }
    return true;
}

Uint8 CDemoByteReader::u8()
{
    if (!take(1))
        return 0;
    return static_cast<Uint8>(data[position++]);
}

Uint16 CDemoByteReader::u16()
{
    if (!take(2))
        return 0;
    Uint16 low = u8();
    return static_cast<Uint16>(low | (u8() << 8));
}

Uint32 CDemoByteReader::u32()
{
    if (!take(4))
        return 0;
    Uint32 low = u16();
    return low | (static_cast<Uint32>(u16()) << 16);
}

std::string CDemoByteReader::text(std::size_t length)
{
    if (!take(length))
        return std::string();
    std::string result = data.substr(position, length);
    position += length;
    return result;
}

void CDemoByteReader::skip(std::size_t count)
{
    if (take(count))
        position += count;
}

void appendU8(std::string& out, Uint8 value)
{
    out.push_back(static_cast<char>(value));
}

void appendU16(std::string& out, Uint16 value)
{
    appendU8(out, static_cast<Uint8>(value));
    appendU8(out, static_cast<Uint8>(value >> 8));
}

void appendU32(std::string& out, Uint32 value)
{
    appendU16(out, static_cast<Uint16>(value));
    appendU16(out, static_cast<Uint16>(value >> 16));
}

void putU16(std::string& out, std::size_t at, Uint16 value)
{
    out[at] = static_cast<char>(value);
    out[at + 1] = static_cast<char>(value >> 8);
}

void putU32(std::string& out, std::size_t at, Uint32 value)
{
    putU16(out, at, static_cast<Uint16>(value));
    putU16(out, at + 2, static_cast<Uint16>(value >> 16));
}
