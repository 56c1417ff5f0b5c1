// The runtime's string operations. Strings are UTF-8; a line break in shown text is Chr(13).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one-character string of a character code (a code point, written as UTF-8).
std::string Chr(std::uint32_t code);
// The number of characters (code points), not bytes.
std::int64_t Len(std::string_view text);
// a followed by b.
std::string RuntimeAddString(std::string_view a, std::string_view b);
// 0 when the two strings are the same characters; otherwise their order's sign.
std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b);
