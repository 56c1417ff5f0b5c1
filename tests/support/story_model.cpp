#include "tests/support/story_model.h"

#include "framework/strings.h"
#include "framework/testing.h"
#include "resources/pictures.h"
#include "tests/support/game.h"

#include <QAbstractButton>

#include <map>
#include <sstream>

namespace story_model {

using script::Answer;
using script::Side;

std::string FileOf(script::PictureAccessor picture) {
    PictureRef loaded = picture();
    return loaded ? loaded->FileName() : "nil";
}

Model::Model(const std::vector<double>& coinScript)
    : text("ホロミナ2.0\rPRESS OK BUTTON"), picture(FIRST), coins(coinScript) {}

std::optional<Answer> Model::Answer() const {
    if (abcd < 0 || abcd > 3) return std::nullopt;
    return script::Answer(abcd);
}

Side Model::Flip() {
    double x = coins[draws++ % coins.size()];
    return x >= 0.5 ? Side::Heads : Side::Tails;
}

// What the rows of a step show for this answer and side: the last picture, the text.
void Model::Show(std::int64_t step, std::optional<script::Answer> answer,
                 std::optional<Side> side) {
    for (auto section : script::Sections())
        for (const script::Row& row : section) {
            if (row.step != step) continue;
            if (row.branch.answer != Answer::Any && row.branch.answer != answer) continue;
            if (row.branch.side != Side::Any && row.branch.side != side) continue;
            if (row.picture.kind != script::PictureStep::None) picture = row.picture.picture;
            if (row.text.kind == script::TextStep::TwoLines)
                text = std::string(row.text.first) + "\r" + std::string(row.text.second);
            else if (row.text.kind != script::TextStep::None &&
                     row.text.kind != script::TextStep::NameCheck)
                text = row.text.first;
        }
}

void Model::NameCheck() {
    picture = ZOZEZ40;
    readOnly = true;
    i = 47;
    if (Len(text) < 3) {
        text = "外れ";
        return;
    }
    for (const script::NameRow& row : script::CulpritNames()) {
        if (text != row.name) continue;
        picture = row.picture;
        text = row.line;
        if (row.name == "ウマカイ") i = 48;
        if (row.name == "ビリー") i = 49;
        return;
    }
}

void Model::Ok() {
    std::int64_t s = i;
    auto answer = Answer();
    // Steps that show their one row and go on, or jump back, whatever the answer.
    static const std::map<std::int64_t, std::int64_t> kJumps{
        {27, 25}, {100, 22}, {201, 22}, {300, 40}, {400, 40}, {1000, 22}, {48, 47}};
    bool plain = (s >= 0 && s <= 22) || s == 25 || (s >= 27 && s <= 35) || (s >= 38 && s <= 40) ||
                 s == 43 || s == 44 || (s >= 48 && s <= 53) || s == 100 || s == 200 || s == 201 ||
                 s == 300 || s == 400 || s == 1000;
    if (plain) {
        Show(s, answer);
        auto jump = kJumps.find(s);
        i = jump != kJumps.end() ? jump->second : s + 1;
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
            Side side = Flip();
            Show(s, answer, side);
            i = side == Side::Heads ? 100 : 200;
            return;
        }
        Show(s, answer);
        i = answer == Answer::B ? 1000 : answer == Answer::D ? 22 : 25;
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
            Side side = Flip();
            Show(s, answer, side);
            i = side == Side::Heads ? 300 : 400;
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
        picture = FIRST;
        i = 0;
        return;
    default:
        i = s + 1; // no block: nothing shown, only counted
    }
}

void Play(MainWindow& window, Model& model, const std::string& event) {
    if (event.starts_with("type:")) {
        game_test::ReplaceByTyping(window, event.substr(5));
        model.Type(event.substr(5));
        return;
    }
    // A plain click: a million of them must be quick.
    auto button = window._ControlByName(event == "OK"      ? "OKButton"
                                        : event == "Reset" ? "ResetButton"
                                                           : event + "Button");
    static_cast<QAbstractButton*>(button->Widget())->click();
    if (event == "OK")
        model.Ok();
    else if (event == "Reset")
        model.Reset();
    else
        model.Letter(event[0] - 'A');
}

std::string Difference(MainWindow& window, const Model& model) {
    auto describe = [](auto i, auto abcd, bool readOnly, const std::string& picture,
                       std::size_t draws, const std::string& text) {
        std::ostringstream out;
        out << "i=" << i << " abcd=" << abcd << " readOnly=" << readOnly << " picture=" << picture
            << " draws=" << draws << " text=" << text;
        return out.str();
    };
    std::string shown = describe(window.i, window.abcd, window.TextField1()->ReadOnly(),
                                 game_test::Backdrop(window), fw::testing::RandomDraws(),
                                 game_test::FieldText(window));
    std::string expected = describe(model.i, model.abcd, model.readOnly, FileOf(model.picture),
                                    model.draws, model.text);
    return shown == expected ? "" : "window: " + shown + "\nmodel:  " + expected;
}

} // namespace story_model
