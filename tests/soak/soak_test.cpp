// A random-press soak: a million seeded events (OK, A-D, Reset, typing a name) against the
// real window, checked after every event against a compact model of the story written
// from its rules. The model reads the script's rows only for what a step shows; where the
// story goes next is its own.
#include "framework/strings.h"
#include "framework/testing.h"
#include "scenario/script.h"
#include "tests/support/game.h"
#include "tests/support/story_model.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <random>

using namespace game_test;
using story_model::Model;

namespace {

const std::vector<std::string> kNames{"ウマカイ",
                                      "フササキ",
                                      "ビリー",
                                      "ハラリー",
                                      "タビト",
                                      "アジア",
                                      "ビリ",
                                      "",
                                      " ビリー",
                                      "ビリー ",
                                      "ＢＩＬＬＹ",
                                      "ウマカイウマカイ",
                                      std::string(300, 'x'),
                                      "😀😀😀",
                                      "\t\x01ア"};

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
    auto button = [&](const char* name) {
        static_cast<QAbstractButton*>(window->_ControlByName(name)->Widget())->click();
    };

    std::deque<std::string> recent;
    std::map<std::string, long> reached; // how far the random player got, for the log
    for (long n = 0; n < events; ++n) {
        int roll = int(random() % 100);
        std::string event;
        std::int64_t step = model.i;
        if (roll < 60) {
            event = "OK";
            button("OKButton");
            model.Ok();
        } else if (roll < 92) {
            int letter = roll % 4;
            event = std::string(1, char('A' + letter));
            button((event + "Button").c_str());
            model.Letter(letter);
        } else if (roll < 93) {
            event = "Reset";
            button("ResetButton");
            model.Reset();
        } else if (!model.readOnly) {
            const std::string& name = kNames[random() % kNames.size()];
            event = "type '" + name + "'";
            ReplaceByTyping(*window, name);
            model.Type(name);
        } else {
            event = "OK";
            button("OKButton");
            model.Ok();
        }
        if (event == "OK" && step == 46) ++reached["names checked"];
        if (event == "OK" && step == 51) ++reached["good endings"];
        if (event == "OK" && step == 47) ++reached["bad endings"];
        recent.push_back(std::to_string(n) + ": " + event);
        if (recent.size() > 12) recent.pop_front();

        bool same = window->i == model.i && window->abcd == model.abcd &&
                    window->TextField1()->ReadOnly() == model.readOnly &&
                    FieldText(*window) == model.text && Backdrop(*window) == model.picture &&
                    std::size_t(fw::testing::RandomDraws()) == model.draws;
        if (!same) {
            std::string trail;
            for (const auto& line : recent)
                trail += "\n  " + line;
            FAIL() << "seed " << seed << ", after event " << n << trail
                   << "\nengine: i=" << window->i << " abcd=" << window->abcd
                   << " readOnly=" << window->TextField1()->ReadOnly()
                   << " picture=" << Backdrop(*window) << " draws=" << fw::testing::RandomDraws()
                   << " text=" << FieldText(*window) << "\nmodel:  i=" << model.i
                   << " abcd=" << model.abcd << " readOnly=" << model.readOnly
                   << " picture=" << model.picture << " draws=" << model.draws
                   << " text=" << model.text;
        }
    }
    std::printf("soak: %ld events, seed %u", events, seed);
    for (const auto& [what, count] : reached)
        std::printf(", %s %ld", what.c_str(), count);
    std::printf("\n");
}
