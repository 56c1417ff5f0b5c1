// The game's 24 pictures, by the file names the game opens. Kept in one place so the
// renderer and the contact sheet can never disagree about the set.
#pragma once

#include <array>
#include <string_view>

namespace holomina::art {

struct Picture {
    std::string_view name;     // SVG stem in resources/art
    std::string_view fileName; // what the game reads; always PNG-encoded
};

// END1, FIRST and ASIA2018 are read without an extension, the rest as .png.
inline constexpr std::array<Picture, 24> kPictures{{
    {"AKIKO", "AKIKO.png"},
    {"ASIA2018", "ASIA2018"},
    {"BESSO", "BESSO.png"},
    {"BILLY", "BILLY.png"},
    {"CATMAC", "CATMAC.png"},
    {"END1", "END1"},
    {"FIRST", "FIRST"},
    {"FLORE1", "FLORE1.png"},
    {"FLORE2", "FLORE2.png"},
    {"FLORE3", "FLORE3.png"},
    {"FLORE4", "FLORE4.png"},
    {"FUJIWARA", "FUJIWARA.png"},
    {"GREATAJIA", "GREATAJIA.png"},
    {"HARARY", "HARARY.png"},
    {"HUSASAKI", "HUSASAKI.png"},
    {"MARO", "MARO.png"},
    {"MUCHIMARO", "MUCHIMARO.png"},
    {"NAGAYA", "NAGAYA.png"},
    {"OFFICE", "OFFICE.png"},
    {"ZOZEZ40", "ZOZEZ40.png"},
    {"SUN", "SUN.png"},
    {"UMAKAI", "UMAKAI.png"},
    {"WHITE", "WHITE.png"},
    {"ZAKO", "ZAKO.png"},
}};

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;

} // namespace holomina::art
