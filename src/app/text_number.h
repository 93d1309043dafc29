#pragma once

#include <SDL.h>

// Numbers in the data files are read the way the C library's atoi reads them (leading blanks,
// an optional sign, decimal digits, anything after them ignored, no digits gives 0), but a
// value too large for its type is clamped instead of being undefined.
long long leadingInteger(const char* text);
int leadingInt(const char* text);
// A count, a score or a time in milliseconds: a negative number counts as 0.
Uint32 leadingCount(const char* text);
// The same number stored as an unsigned 16-bit value: negative and larger values wrap.
Uint16 leadingUint16(const char* text);
// A real number the way atof reads it (no digits gives 0).
double leadingReal(const char* text);
