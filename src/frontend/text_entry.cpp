#include "frontend/text_entry.h"

void editTypedText(std::string& text, Uint16 unicode, size_t maxLength)
{
    if (text.size() >= maxLength) {
        if (unicode == backspaceCode && text.size() == maxLength)
            text.pop_back();
        return;
    }
    if (unicode == backspaceCode) {
        if (!text.empty())
            text.pop_back();
    } else if (unicode >= 32 && unicode < 128) {
        text += static_cast<char>(unicode);
    }
}
