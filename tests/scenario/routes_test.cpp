// The script's screens as the player sees them, walk by walk: the opening, every answer of
// every menu from the walk that leads to it, the three endings and the next play. The walks
// and their screens are the golden transcript beside this file.
#include "tests/support/game.h"
#include "tests/support/transcript.h"

#include <gtest/gtest.h>

namespace {

class Routes : public ::testing::TestWithParam<transcript::Route> {};

TEST_P(Routes, ShowTheScriptsScreens) {
    transcript::Play(*game_test::StartGame(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Script, Routes, ::testing::ValuesIn(transcript::Routes()),
                         [](const auto& info) { return info.param.name; });

} // namespace
