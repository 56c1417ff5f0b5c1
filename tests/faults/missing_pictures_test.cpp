// The game without one of its pictures, each in turn, and without any: it still plays to
// every ending, through every scene, with the canvas blank wherever that picture belongs.
#include "framework/testing.h"
#include "tests/support/game.h"
#include "tests/support/story_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace game_test;
using story_model::Model;

namespace {

const char* const kFiles[] = {
    "AKIKO.png",     "ASIA2018",    "BESSO.png",    "BILLY.png",  "CATMAC.png",    "END1",
    "FIRST",         "FLORE1.png",  "FLORE2.png",   "FLORE3.png", "FLORE4.png",    "FUJIWARA.png",
    "GREATAJIA.png", "HARARY.png",  "HUSASAKI.png", "MARO.png",   "MUCHIMARO.png", "NAGAYA.png",
    "OFFICE.png",    "ZOZEZ40.png", "SUN.png",      "UMAKAI.png", "WHITE.png",     "ZAKO.png"};
const std::string kAll = "all";

class MissingPicture : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (const char* file : kFiles) {
            if (Missing(file)) continue;
            ASSERT_TRUE(QFile::copy(QString(HOLOMINA_PICTURE_DIR) + "/" + file,
                                    folder_.filePath(file)));
        }
        fw::testing::SetResourceFolder(folder_.path().toStdString());
        fw::testing::ScriptRandom(coins_);
        window_ = StartGame();
    }

    bool Missing(const std::string& file) const { return GetParam() == kAll || GetParam() == file; }

    // After every event the window shows what the model says, but a blank canvas where
    // the missing picture belongs.
    void Check(const std::string& event) {
        std::string expected = Missing(model_.picture) ? "nil" : model_.picture;
        ASSERT_EQ(Backdrop(*window_), expected) << "after " << event;
        ASSERT_EQ(FieldText(*window_), model_.text) << "after " << event;
        ASSERT_EQ(window_->i, model_.i) << "after " << event;
        if (expected == "nil") ++blankScenes_;
    }

    void Ok() {
        PressOK(*window_);
        model_.Ok();
        Check("OK at step " + std::to_string(model_.i));
    }

    void OkUntil(std::int64_t step) {
        for (int k = 0; k < 60 && model_.i != step; ++k)
            Ok();
        ASSERT_EQ(model_.i, step);
    }

    void Letter(char letter) {
        Answer(*window_, letter);
        model_.Letter(letter - 'A');
    }

    void Type(const std::string& name) {
        ReplaceByTyping(*window_, name);
        model_.Type(name);
    }

    // From step 0 to the name prompt by the shortest road (i = 46).
    void ToNamePrompt() {
        OkUntil(23);
        Letter('C');
        OkUntil(26);
        Letter('B');
        OkUntil(36);
        Letter('C');
        OkUntil(46);
    }

    std::vector<double> coins_{0.7, 0.2};
    Model model_{coins_};
    QTemporaryDir folder_;
    std::shared_ptr<MainWindow> window_;
    int blankScenes_ = 0;
};

TEST_P(MissingPicture, EveryEndingStillPlaysWithABlankWhereThePictureBelongs) {
    Check("start");
    // First play: every side scene, then a wrong name (the wife): the bad ending.
    OkUntil(23);
    for (char answer : {'A', 'A', 'B', 'D'}) { // phone twice (both coin sides), agent, hint
        Letter(answer);
        Ok();
        Ok();
        if (answer == 'B') {
            Letter('D');
            Ok();
        }
        OkUntil(23);
    }
    Letter('C');
    OkUntil(26);
    Letter('A'); // the butler, and back to the question
    Ok();
    OkUntil(26);
    Letter('B');
    OkUntil(36);
    for (char answer : {'A', 'C'}) { // the PC, then the drawer
        Letter(answer);
        Ok();
        OkUntil(answer == 'C' ? 38 : 36);
    }
    OkUntil(41);
    for (char answer : {'A', 'A', 'B', 'C'}) { // daughter and son, the agent, the report
        Letter(answer);
        Ok();
        OkUntil(answer == 'C' ? 43 : 41);
    }
    OkUntil(46);
    Type("アジア");
    OkUntil(0);

    // Second play: the half success; third: the good ending, back to the start.
    ToNamePrompt();
    Type("ウマカイ");
    OkUntil(0);
    ToNamePrompt();
    Type("ビリー");
    OkUntil(0);
    EXPECT_EQ(window_->i, 0);
    EXPECT_GT(blankScenes_, 0) << "the picture never came up";
}

std::vector<std::string> Cases() {
    std::vector<std::string> cases(std::begin(kFiles), std::end(kFiles));
    cases.push_back(kAll);
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Each, MissingPicture, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param;
    return name.substr(0, name.find('.'));
});

} // namespace
