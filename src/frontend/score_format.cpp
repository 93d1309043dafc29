#include "frontend/score_format.h"

std::string formatScore(long long score)
{
    unsigned long long magnitude = score < 0 ? 0ULL - static_cast<unsigned long long>(score)
                                             : static_cast<unsigned long long>(score);
    const std::string digits = std::to_string(magnitude);
    std::string text = score < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}
