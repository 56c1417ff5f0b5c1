// The script's screens as the player sees them, walk by walk: the opening, every answer of
// every menu from the checkpoint before it, the three endings and the next play. The walks
// and their screens are the golden transcript beside this file.
#include "story.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

using namespace story;

namespace {

struct Route {
    std::string name;
    Checkpoint from;
    std::vector<double> coins;
    int draws = 0;
    Steps steps;
};

void PrintTo(const Route& route, std::ostream* os) {
    *os << route.name;
}

const std::map<std::string, Checkpoint> kCheckpoints{{"Title", [](MainWindow&) {}},
                                                     {"FirstMenu", ToFirstMenu},
                                                     {"House", ToHouse},
                                                     {"Study", ToStudy},
                                                     {"Office", ToOffice},
                                                     {"DeductionMenu", ToDeductionMenu},
                                                     {"NamePrompt", ToNamePrompt}};

// Read while the tests are listed: a transcript that can't be read stops the run loudly.
std::vector<Route> Transcript() {
    std::ifstream file(HOLOMINA_TESTS_DIR "/scenario/transcript.txt");
    std::vector<Route> routes;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with("#")) continue;
        if (!line.starts_with("== ")) {
            if (routes.empty()) break;
            routes.back().steps.push_back(line);
            continue;
        }
        Route& route = routes.emplace_back();
        std::istringstream header(line.substr(3));
        std::string word, from;
        header >> route.name >> word >> from;
        if (word != "from" || !kCheckpoints.contains(from)) break;
        route.from = kCheckpoints.at(from);
        for (double coin; header >> word && word != "draws";)
            if (word != "coins" && std::istringstream(word) >> coin) route.coins.push_back(coin);
        header >> route.draws;
    }
    if (!file.eof() || routes.empty()) {
        std::fprintf(stderr, "the transcript can't be read: %s\n", HOLOMINA_TESTS_DIR);
        std::abort();
    }
    return routes;
}

class Routes : public ::testing::TestWithParam<Route> {};

TEST_P(Routes, ShowTheScriptsScreens) {
    const Route& route = GetParam();
    auto w = StartGame();
    fw::testing::ScriptRandom(route.coins);
    route.from(*w);
    Walk(*w, route.steps);
    EXPECT_EQ(fw::testing::RandomDraws(), route.draws);
}

INSTANTIATE_TEST_SUITE_P(Script, Routes, ::testing::ValuesIn(Transcript()),
                         [](const auto& info) { return info.param.name; });

} // namespace
