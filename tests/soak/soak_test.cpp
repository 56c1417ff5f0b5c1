// A random-press soak: a million seeded events (OK, A-D, Reset, typing a name) against the
// real window, checked after every event against a compact model of the story written
// from its rules. The model reads the script's rows only for what a step shows; where the
// story goes next is its own.
#include "framework/strings.h"
#include "framework/testing.h"
#include "scenario/script.h"
#include "tests/support/game.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <random>

using namespace game_test;

namespace {

const std::string kTitle = "ホロミナ2.0\rPRESS OK BUTTON";

std::string NameOf(script::PictureAccessor picture) {
    PictureRef loaded = picture();
    return loaded ? loaded->FileName() : "nil";
}

struct Model {
    std::int64_t i = 0, abcd = 0;
    bool readOnly = true;
    std::string text = kTitle, picture = "FIRST";
    std::string typed; // what the field holds while the player may type
    const std::vector<double>& coins;
    std::size_t draws = 0;

    explicit Model(const std::vector<double>& c) : coins(c) {}

    std::optional<script::Answer> Letter() const {
        if (abcd < 0 || abcd > 3) return std::nullopt;
        return script::Answer(abcd);
    }
    script::Side Flip() {
        double x = coins[draws++ % coins.size()];
        return x >= 0.5 ? script::Side::Heads : script::Side::Tails;
    }

    // What the rows of step s show for this answer and side: the last picture, the text.
    void Show(std::int64_t s, std::optional<script::Answer> answer = {},
              std::optional<script::Side> side = {}) {
        for (auto section : script::Sections())
            for (const script::Row& row : section) {
                if (row.step != s) continue;
                if (row.branch.answer != script::Answer::Any && row.branch.answer != answer)
                    continue;
                if (row.branch.side != script::Side::Any && row.branch.side != side) continue;
                if (row.picture.kind != script::PictureStep::None)
                    picture = NameOf(row.picture.picture);
                if (row.text.kind == script::TextStep::TwoLines)
                    text = std::string(row.text.first) + "\r" + std::string(row.text.second);
                else if (row.text.kind != script::TextStep::None &&
                         row.text.kind != script::TextStep::NameCheck)
                    text = row.text.first;
            }
    }

    void NameCheck() {
        picture = "ZOZEZ40.png";
        readOnly = true;
        if (Len(text) < 3) {
            text = "外れ";
            i = 47;
            return;
        }
        i = 47;
        for (const script::NameRow& row : script::CulpritNames()) {
            if (text != row.name) continue;
            picture = NameOf(row.picture);
            text = row.line;
            if (row.name == "ウマカイ") i = 48;
            if (row.name == "ビリー") i = 49;
            return;
        }
    }

    void Ok() {
        using script::Answer;
        std::int64_t s = i;
        auto answer = Letter();
        if ((s >= 0 && s <= 22) || (s >= 27 && s <= 35) || (s >= 38 && s <= 40) || s == 25 ||
            s == 43 || s == 44 || (s >= 48 && s <= 53) || s == 100 || s == 200 || s == 201 ||
            s == 300 || s == 400 || s == 1000) {
            Show(s, answer);
            static const std::map<std::int64_t, std::int64_t> jumps{
                {27, 25}, {100, 22}, {201, 22}, {300, 40}, {400, 40}, {1000, 22}, {48, 47}};
            auto jump = jumps.find(s);
            i = jump != jumps.end() ? jump->second : s + 1;
            return;
        }
        switch (s) {
        case 23:
        case 36:
        case 41:
            Show(s, answer);
            i = s + 1;
            return;
        case 24:
            if (answer == Answer::A) {
                auto side = Flip();
                Show(s, answer, side);
                i = side == script::Side::Heads ? 100 : 200;
            } else {
                Show(s, answer);
                i = answer == Answer::B ? 1000 : answer == Answer::D ? 22 : 25;
            }
            return;
        case 26:
            Show(s, answer);
            i = answer == Answer::B ? 28 : answer == Answer::D ? 26 : 27;
            return;
        case 37:
            if (answer == Answer::A)
                Show(s, answer, Flip());
            else
                Show(s, answer);
            i = answer && answer != Answer::C ? 35 : 38;
            return;
        case 42:
            if (answer == Answer::A) {
                auto side = Flip();
                Show(s, answer, side);
                i = side == script::Side::Heads ? 300 : 400;
            } else if (answer == Answer::B) {
                Show(s, answer, Flip());
                i = 40;
            } else {
                Show(s, answer);
                i = answer == Answer::D ? 40 : 43;
            }
            return;
        case 45:
            Show(s);
            readOnly = false;
            i = 46;
            return;
        case 46:
            NameCheck();
            return;
        case 47:
        case 54:
            text = s == 47 ? "GAME OVER!" : "RESTART OK?";
            picture = "FIRST";
            i = 0;
            return;
        default:
            i = s + 1; // no block: nothing shown, only counted
        }
    }
};

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
            model.abcd = letter;
        } else if (roll < 93) {
            event = "Reset";
            button("ResetButton");
            model.i = -1;
        } else if (!model.readOnly) {
            const std::string& name = kNames[random() % kNames.size()];
            event = "type '" + name + "'";
            ReplaceByTyping(*window, name);
            model.text = name;
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
