// Shared moves for the scenario tests: pressing OK while reading back what the screen shows.
#pragma once

#include "framework/testing.h"
#include "tests/support/game.h"

#include <gtest/gtest.h>

#include <string>

namespace story {

using namespace game_test;

// One press of OK, and what the screen shows after it ("picture | text").
inline std::string Press(MainWindow& window) {
    PressOK(window);
    return Shown(window);
}

} // namespace story
