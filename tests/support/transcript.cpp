#include "tests/support/transcript.h"

#include "framework/testing.h"
#include "tests/support/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace transcript {

namespace {

std::vector<Route> Read() {
    std::ifstream file(HOLOMINA_TESTS_DIR "/scenario/transcript.txt");
    std::vector<Route> routes;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with("#")) continue;
        if (!line.starts_with("== ")) {
            if (routes.empty()) break;
            routes.back().steps.push_back(line);
            continue;
        }
        Route route;
        std::istringstream header(line.substr(3));
        std::string word, from;
        header >> route.name >> word >> from;
        auto start = std::ranges::find(routes, from, &Route::name);
        if (word != "from" || (from != "Title" && start == routes.end())) break;
        route.from = from == "Title" ? -1 : start - routes.begin();
        for (double coin; header >> word && word != "draws";)
            if (word != "coins" && std::istringstream(word) >> coin) route.coins.push_back(coin);
        header >> route.draws;
        routes.push_back(std::move(route));
    }
    if (!file.eof() || routes.empty()) {
        std::fprintf(stderr, "the transcript can't be read: %s\n", HOLOMINA_TESTS_DIR);
        std::abort();
    }
    return routes;
}

void Walk(MainWindow& window, const Route& route, const std::set<std::string>& missing) {
    using namespace game_test;
    if (route.from >= 0) Walk(window, Routes()[route.from], missing);
    int press = 0;
    for (const std::string& step : route.steps) {
        if (step.size() == 1 || step == "Reset") {
            Click(window, (step + "Button").c_str());
        } else if (step.starts_with("@")) {
            EXPECT_EQ(window.i, std::stoll(step.substr(1)))
                << route.name << ", after press " << press;
        } else if (step.starts_with("type ")) {
            ReplaceByTyping(window, step.substr(5));
        } else {
            PressOK(window);
            if (++press; step == "OK") continue;
            std::string picture = step.substr(0, step.find(" | "));
            EXPECT_EQ(Shown(window),
                      missing.contains(picture) ? "blank" + step.substr(picture.size()) : step)
                << route.name << ", press " << press;
        }
    }
}

} // namespace

const std::vector<Route>& Routes() {
    static const std::vector<Route> routes = Read();
    return routes;
}

void Play(MainWindow& window, const Route& route, const std::set<std::string>& missing) {
    fw::testing::ScriptRandom(route.coins);
    Walk(window, route, missing);
    EXPECT_EQ(fw::testing::RandomDraws(), route.draws) << route.name;
}

} // namespace transcript
