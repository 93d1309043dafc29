#include "app/text_number.h"

#include <cctype>
#include <climits>
#include <cstdlib>

long long leadingInteger(const char* text)
{
    if (!text)
        return 0;
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        int digit = *text - '0';
        if (value > (LLONG_MAX - digit) / 10) {
            value = LLONG_MAX;
            while (std::isdigit(static_cast<unsigned char>(*text)))
                ++text;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int leadingInt(const char* text)
{
    long long value = leadingInteger(text);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

Uint32 leadingCount(const char* text)
{
    int value = leadingInt(text);
    return value < 0 ? 0 : static_cast<Uint32>(value);
}

Uint16 leadingUint16(const char* text)
{
    return static_cast<Uint16>(static_cast<unsigned long long>(leadingInteger(text)) & 0xFFFFu);
}

double leadingReal(const char* text)
{
    return text ? std::atof(text) : 0.0;
}
