// A random-press soak: a million seeded events (OK, A-D, Reset, typing a name) against the
// real window. After every event the field shows a text of the golden transcript's screens,
// the title or what the player typed; at every 1000th the whole screen, picture and all, is
// one of the transcript's, or what the player typed on one of its pictures. The picture is
// drawn off screen for it: the window's own repaints would make a million events take
// minutes, and the transcript reads each scene's picture as the window shows it.
#include "framework/testing.h"
#include "tests/support/game.h"
#include "tests/support/transcript.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>
#include <set>

using namespace game_test;

namespace {

const std::string kTitle = "ホロミナ2.0⏎PRESS OK BUTTON";
// Names whose screens the transcript shows, and texts no name check takes.
// clang-format off
const std::vector<std::string> kNames{
    "ウマカイ", "フササキ", "ビリー", " ビリー", "ビリー ", "ＢＩＬＬＹ", "ウマカイウマカイ",
    std::string(300, 'x'), "😀😀😀", "\t\x01ア"};
// clang-format on

} // namespace

TEST(Soak, AMillionRandomEventsShowOnlyTheScriptsScreens) {
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

    std::set<std::string> screens{"FIRST | " + kTitle}, texts{kTitle}, pictures;
    for (const transcript::Route& route : transcript::Routes())
        for (const std::string& step : route.steps)
            if (auto bar = step.find(" | "); bar != std::string::npos) {
                screens.insert(step);
                pictures.insert(step.substr(0, bar));
                texts.insert(step.substr(bar + 3));
            }
    auto window = StartGame();
    std::string typed, recent; // what the player typed last; the last dozen events, for the report
    std::map<std::string, long> reached; // how far the random player got, for the log
    for (long n = 0; n < events; ++n) {
        int roll = int(random() % 100);
        std::string event = roll < 60   ? "OK"
                            : roll < 92 ? std::string(1, char('A' + roll % 4))
                            : roll < 93 ? "Reset"
                            : window->TextField1()->ReadOnly()
                                ? "OK"
                                : "type:" + kNames[random() % kNames.size()];
        if (event.starts_with("type:")) {
            ReplaceByTyping(*window, typed = event.substr(5));
        } else { // a plain click: a million of them must be quick
            auto button = window->_ControlByName(event + "Button");
            static_cast<QAbstractButton*>(button->Widget())->click();
        }
        recent += "\n  " + std::to_string(n) + ": " + event;
        if (n >= 12) recent.erase(0, recent.find('\n', 1));
        const std::string text = FieldLine(*window);
        if (event == "OK") ++reached[text];
        std::string wrong = text == typed || texts.contains(text) ? "" : "a text of no screen";
        if (wrong.empty() && (n % 1000 == 999 || n == events - 1)) {
            const std::string picture = PaintedOffScreen(*window);
            if (text == typed ? !pictures.contains(picture)
                              : !screens.contains(picture + " | " + text))
                wrong = "a screen the transcript never shows: " + picture;
        }
        if (!wrong.empty())
            FAIL() << "seed " << seed << ", after event " << n << recent << "\n"
                   << wrong << " | " << text;
    }
    std::printf("soak: %ld events, seed %u, good endings %ld, bad endings %ld\n", events, seed,
                reached["GAME CLEAR!"], reached["GAME OVER!"]);
}
