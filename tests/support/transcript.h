// The golden transcript (tests/scenario/transcript.txt): walks through the story as the
// player sees it, each a list of steps with every screen a press of OK shows.
#pragma once

#include "ui/main_window.h"

#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace transcript {

struct Route {
    std::string name;
    std::ptrdiff_t from = -1; // the earlier walk played first; -1: from the title
    std::vector<double> coins;
    int draws = 0;
    std::vector<std::string> steps;
};

inline void PrintTo(const Route& route, std::ostream* os) {
    *os << route.name;
}

// Every walk, in the transcript's order; read once. A transcript that can't be read stops
// the run loudly.
const std::vector<Route>& Routes();

// Plays the walk on the game just started, with its coins, from the title: the walk it starts
// from first. Each screen must read as written, but "blank" in place of a picture whose file
// is `missing`.
void Play(MainWindow& window, const Route& route, const std::set<std::string>& missing = {});

} // namespace transcript
