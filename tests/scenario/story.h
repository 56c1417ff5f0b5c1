// Shared moves for the scenario tests: pressing OK while reading back what the screen
// shows, playing the main road from the title to each of the story's checkpoints with
// nothing but clicks, and walking a scene from there as a list of steps.
#pragma once

#include "framework/testing.h"
#include "tests/support/game.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace story {

using namespace game_test;

// One press of OK, and what the screen shows after it ("picture | text").
inline std::string Press(MainWindow& window) {
    PressOK(window);
    return Shown(window);
}

// Where a walk starts: one of the checkpoints below, reached by clicks from the title.
using Checkpoint = std::function<void(MainWindow&)>;

// The first menu on screen (23 presses from the title, fewer from later in the opening);
// i = 23.
inline void ToFirstMenu(MainWindow& window) {
    ASSERT_TRUE(window.i >= 0 && window.i <= 23) << window.i;
    PressOK(window, int(23 - window.i));
}

// Answer C at the first menu: outside the house, the second menu comes next; i = 25.
inline void ToHouse(MainWindow& window) {
    ToFirstMenu(window);
    Answer(window, 'C');
    PressOK(window, 2);
}

// In through the agent, up to the study: the fourth menu comes next; i = 35.
inline void ToStudy(MainWindow& window) {
    ToHouse(window);
    PressOK(window);
    Answer(window, 'B');
    PressOK(window, 8);
}

// The drawer's memo found, back to the office: the summing-up comes next; i = 39.
inline void ToOffice(MainWindow& window) {
    ToStudy(window);
    PressOK(window);
    Answer(window, 'C');
    PressOK(window, 3);
}

// The deduction menu on screen; i = 41.
inline void ToDeductionMenu(MainWindow& window) {
    ToOffice(window);
    PressOK(window, 2);
}

// The report written and the prompt shown: the field is open for the name; i = 46.
inline void ToNamePrompt(MainWindow& window) {
    ToDeductionMenu(window);
    Answer(window, 'C');
    PressOK(window, 5);
}

// A walk, one string a step: "A" to "D" and "Reset" press that button; "OK" presses OK
// without looking; "@n" expects i to be n; "type X" replaces the field's content by typing
// X; anything else presses OK and expects that screen (trailing blanks aside).
using Steps = std::vector<std::string>;

inline void Walk(MainWindow& window, const Steps& steps) {
    auto trimmed = [](std::string s) { return s.erase(s.find_last_not_of(' ') + 1); };
    int press = 0;
    for (const std::string& step : steps) {
        if (step.size() == 1) {
            Answer(window, step[0]);
        } else if (step == "Reset") {
            Click(window, "ResetButton");
        } else if (step.starts_with("@")) {
            EXPECT_EQ(window.i, std::stoll(step.substr(1))) << "after press " << press;
        } else if (step.starts_with("type ")) {
            ReplaceByTyping(window, step.substr(5));
        } else if (++press; step == "OK") {
            PressOK(window);
        } else {
            EXPECT_EQ(trimmed(Press(window)), step) << "press " << press;
        }
    }
}

} // namespace story
