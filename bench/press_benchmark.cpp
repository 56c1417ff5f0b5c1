// How long one press of OK takes: the dispatch alone (a step without a block, a step that
// only sets a line) and a press with a scene change through the real widgets, offscreen, its
// picture whole or broken.
// A press should stay well under a millisecond, and the dispatch under a microsecond.
#include "framework/controls.h"
#include "framework/testing.h"
#include "resources/pictures.h"
#include "scenario/dispatcher.h"
#include "tests/support/game.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The real start-up, all but the event loop, as the game runs it.
MainWindow& Game() {
    static std::shared_ptr<MainWindow> window = game_test::StartGame();
    return *window;
}

// Finding the block of a step: a value without one is the worst case, all compared.
void BM_FindBlock(benchmark::State& state) {
    std::int64_t step = 55;
    for (auto _ : state) {
        benchmark::DoNotOptimize(step);
        benchmark::DoNotOptimize(script::BlockOf(step));
    }
}
BENCHMARK(BM_FindBlock);

// The handler on a value without a block: the look-up and the common step only.
void BM_PressWithoutBlock(benchmark::State& state) {
    MainWindow& w = Game();
    auto ok = w.OKButton();
    for (auto _ : state) {
        w.i = 55;
        w.OKButton_Action(ok);
    }
}
BENCHMARK(BM_PressWithoutBlock);

// The handler on step 1, which only sets a line in the real field.
void BM_PressLineOnly(benchmark::State& state) {
    MainWindow& w = Game();
    auto ok = w.OKButton();
    for (auto _ : state) {
        w.i = 1;
        w.OKButton_Action(ok);
    }
}
BENCHMARK(BM_PressLineOnly);

// A click on the real OK button at step 0: the line and the scene change to ZOZEZ40 with its
// forced redraw, through the framework's event dispatch.
void ClickAtStep0(benchmark::State& state) {
    MainWindow& w = Game();
    auto* button = static_cast<QAbstractButton*>(w.OKButton()->Widget());
    if (!w.REALCanvas()->Widget()->isVisible()) state.SkipWithError("the canvas is not shown");
    for (auto _ : state) {
        w.i = 0;
        button->click();
    }
    if (w.i != 1) state.SkipWithError("the press did not run step 0");
}

// The same with ZOZEZ40.png cut short: the file is read and refused at every press. Run
// first, as the other one loads the picture for good.
void BM_ClickSceneChangeBrokenPicture(benchmark::State& state) {
    QTemporaryDir folder;
    QFile picture(HOLOMINA_PICTURE_DIR "/ZOZEZ40.png");
    QFile broken(folder.filePath("ZOZEZ40.png"));
    if (!picture.open(QIODevice::ReadOnly) || !broken.open(QIODevice::WriteOnly) ||
        broken.write(picture.read(picture.size() / 2)) <= 0 ||
        !QFile::copy(HOLOMINA_PICTURE_DIR "/WHITE.png", folder.filePath("WHITE.png")))
        state.SkipWithError("no broken picture made");
    broken.close();
    fw::testing::SetResourceFolder(folder.path().toStdString());
    if (ZOZEZ40()) state.SkipWithError("ZOZEZ40 has loaded already");
    ClickAtStep0(state);
    fw::testing::SetResourceFolder(HOLOMINA_PICTURE_DIR);
}
BENCHMARK(BM_ClickSceneChangeBrokenPicture);

void BM_ClickSceneChange(benchmark::State& state) {
    ClickAtStep0(state);
}
BENCHMARK(BM_ClickSceneChange);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never deleted, as in the game: the window and menus held in statics go after main.
    new QApplication(argc, argv);
    fw::testing::SetResourceFolder(HOLOMINA_PICTURE_DIR);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
