// The game without half of its pictures (either half), and without any: it still plays to
// every ending, through every scene, with the canvas blank wherever a missing picture
// belongs, after a picture that showed as much as after another missing one.
#include "framework/testing.h"
#include "tests/support/game.h"
#include "tests/support/story_model.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

using namespace game_test;
using namespace story_model;

namespace {

const char* const kFiles[] = {
    "AKIKO.png",     "ASIA2018",    "BESSO.png",    "BILLY.png",  "CATMAC.png",    "END1",
    "FIRST",         "FLORE1.png",  "FLORE2.png",   "FLORE3.png", "FLORE4.png",    "FUJIWARA.png",
    "GREATAJIA.png", "HARARY.png",  "HUSASAKI.png", "MARO.png",   "MUCHIMARO.png", "NAGAYA.png",
    "OFFICE.png",    "ZOZEZ40.png", "SUN.png",      "UMAKAI.png", "WHITE.png",     "ZAKO.png"};
// Which pictures are missing: every other one of the list, from the first or the second, or all.
enum class Missing { Odd, Even, All };

class MissingPictures : public ::testing::TestWithParam<Missing> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (std::size_t k = 0; k < std::size(kFiles); ++k) {
            bool missing =
                GetParam() == Missing::All || (k % 2 == 0) == (GetParam() == Missing::Odd);
            if (!missing) {
                ASSERT_TRUE(QFile::copy(QString(HOLOMINA_PICTURE_DIR) + "/" + kFiles[k],
                                        folder_.filePath(kFiles[k])));
            }
        }
        fw::testing::SetResourceFolder(folder_.path().toStdString());
        fw::testing::ScriptRandom(coins_);
        ::testing::internal::CaptureStderr(); // each missing picture is named there
        window_ = StartGame();
    }

    void TearDown() override { ::testing::internal::GetCapturedStderr(); }

    // Plays a walk of events, each as Play takes it, and "OK->n" for OK until the story is
    // at step n; after every event the window shows what the model says, nil where no
    // picture loads.
    void Walk(const std::string& walk) {
        std::istringstream events(walk);
        for (std::string event; events >> event;) {
            bool until = event.starts_with("OK->");
            std::int64_t step = until ? std::stoll(event.substr(4)) : 0;
            for (int k = 0; k < (until ? 60 : 1) && !(until && model_.i == step); ++k) {
                Play(*window_, model_, until ? "OK" : event);
                ASSERT_EQ(Difference(*window_, model_), "") << "after " << event;
                if (FileOf(model_.picture) == "nil") ++blankScenes_;
            }
            ASSERT_TRUE(!until || model_.i == step) << event;
        }
    }

    std::vector<double> coins_{0.7, 0.2};
    Model model_{coins_};
    QTemporaryDir folder_;
    std::shared_ptr<MainWindow> window_;
    int blankScenes_ = 0;
};

// From step 0 to the name prompt by the shortest road (i = 46).
const std::string kToNamePrompt = " OK->23 C OK->26 B OK->36 C OK->46 ";

TEST_P(MissingPictures, EveryEndingStillPlaysWithABlankWhereOneBelongs) {
    // First play: every side scene (the phone on both sides of the coin, the agent and his
    // hint, the hint, the butler, the PC, the drawer, the daughter and the son, the agent's
    // findings), then a wrong name: the bad ending. Then the half success, and the good ending.
    Walk("OK->23 A OK OK OK->23 A OK OK OK->23 B OK OK D OK OK->23 D OK OK OK->23 "
         "C OK->26 A OK OK->26 B OK->36 A OK OK->36 C OK OK->38 OK->41 "
         "A OK OK->41 A OK OK->41 B OK OK->41 C OK OK->46 type:アジア OK->0" +
         kToNamePrompt + "type:ウマカイ OK->0" + kToNamePrompt + "type:ビリー OK->0");
    EXPECT_GT(blankScenes_, 0) << "no missing picture came up";
}

std::string NameOf(const ::testing::TestParamInfo<Missing>& info) {
    return info.param == Missing::Odd ? "Odd" : info.param == Missing::Even ? "Even" : "All";
}

INSTANTIATE_TEST_SUITE_P(, MissingPictures,
                         ::testing::Values(Missing::Odd, Missing::Even, Missing::All), NameOf);

} // namespace
