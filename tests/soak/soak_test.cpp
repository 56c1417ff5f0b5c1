// A random-press soak: a million seeded events (OK, A-D, Reset, typing a name) against the
// real window, checked after every event against a compact model of the story written
// from its rules. The model reads the script's rows only for what a step shows; where the
// story goes next is its own.
#include "framework/testing.h"
#include "tests/support/game.h"
#include "tests/support/story_model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <map>
#include <random>

using namespace game_test;
using namespace story_model;

namespace {

// clang-format off
const std::vector<std::string> kNames{
    "ウマカイ", "フササキ", "ビリー", "ハラリー", "タビト", "アジア", "ビリ", "", " ビリー", "ビリー ",
    "ＢＩＬＬＹ", "ウマカイウマカイ", std::string(300, 'x'), "😀😀😀", "\t\x01ア"};
// clang-format on

} // namespace

TEST(Soak, AMillionRandomEventsFollowTheModel) {
    unsigned seed = std::random_device{}();
    if (const char* fixed = std::getenv("HOLOMINA_SOAK_SEED")) seed = unsigned(std::atol(fixed));
    long events = 1'000'000;
    if (const char* count = std::getenv("HOLOMINA_SOAK_EVENTS")) events = std::atol(count);
    std::mt19937 random(seed);

    std::vector<double> coins(4096);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (double& c : coins)
        c = unit(random);
    fw::testing::ScriptRandom(coins);

    auto window = StartGame();
    Model model(coins);
    std::deque<std::string> recent;
    std::map<std::string, long> reached; // how far the random player got, for the log
    for (long n = 0; n < events; ++n) {
        int roll = int(random() % 100);
        std::int64_t step = model.i;
        std::string event = roll < 60        ? "OK"
                            : roll < 92      ? std::string(1, char('A' + roll % 4))
                            : roll < 93      ? "Reset"
                            : model.readOnly ? "OK"
                                             : "type:" + kNames[random() % kNames.size()];
        Play(*window, model, event);
        if (event == "OK" && step == 46) ++reached["names checked"];
        if (event == "OK" && step == 51) ++reached["good endings"];
        if (event == "OK" && step == 47) ++reached["bad endings"];
        recent.push_back(std::to_string(n) + ": " + event);
        if (recent.size() > 12) recent.pop_front();
        if (std::string difference = Difference(*window, model); !difference.empty()) {
            std::string trail;
            for (const auto& line : recent)
                trail += "\n  " + line;
            FAIL() << "seed " << seed << ", after event " << n << trail << "\n" << difference;
        }
    }
    std::printf("soak: %ld events, seed %u", events, seed);
    for (const auto& [what, count] : reached)
        std::printf(", %s %ld", what.c_str(), count);
    std::printf("\n");
}
