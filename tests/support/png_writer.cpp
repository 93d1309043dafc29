#include "support/png_writer.h"

#include <algorithm>

namespace {

uint32_t crc32(const std::string& data)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string be32(uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string chunk(const std::string& type, const std::string& data)
{
    return be32(static_cast<uint32_t>(data.size())) + type + data + be32(crc32(type + data));
}

std::string zlibStored(const std::string& raw)
{
    std::string out = "\x78\x01";
    size_t pos = 0;
    do {
        size_t len = std::min<size_t>(65535, raw.size() - pos);
        bool last = pos + len == raw.size();
        out += char(last ? 1 : 0);
        out += char(len & 0xFF);
        out += char(len >> 8);
        out += char(~len & 0xFF);
        out += char((~len >> 8) & 0xFF);
        out += raw.substr(pos, len);
        pos += len;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return out + be32((b << 16) | a);
}

}

std::string encodePngRgba(int width, int height, const std::vector<uint32_t>& pixels)
{
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        for (int x = 0; x < width; ++x)
            raw += be32(pixels[y * width + x]);
    }
    std::string header = be32(width) + be32(height) + std::string("\x08\x06\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", zlibStored(raw)) +
           chunk("IEND", "");
}
