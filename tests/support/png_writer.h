#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A minimal PNG encoder (uncompressed deflate blocks) for test images with an alpha channel.
// Pixels are 0xRRGGBBAA, row by row.
std::string encodePngRgba(int width, int height, const std::vector<uint32_t>& pixels);
