// String operations over UTF-8.
#include "framework/strings.h"

std::string Chr(std::uint32_t code) {
    std::string out;
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
    return out;
}

std::int64_t Len(std::string_view text) {
    // Every byte that is not a continuation byte starts a character.
    std::int64_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::string RuntimeAddString(std::string_view a, std::string_view b) {
    std::string joined;
    joined.reserve(a.size() + b.size());
    joined.append(a).append(b);
    return joined;
}

std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b) {
    int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}
