// OKButton_Action and the building blocks that act on the script's rows. Every use of the
// text field or the canvas fetches it afresh through the window's getter; a control that
// can't be found stops the press there, before the common step.
#include "scenario/dispatcher.h"

#include "framework/random.h"
#include "framework/strings.h"
#include "resources/pictures.h"
#include "ui/main_window.h"

#include <optional>
#include <vector>

namespace script {
namespace {

struct Block {
    std::int64_t step;
    std::span<const Row> rows;
};

// The blocks in the order the press compares them: the sections' order, rows of one step
// together.
const std::vector<Block>& Blocks() {
    static const std::vector<Block> blocks = [] {
        std::vector<Block> all;
        for (std::span<const Row> section : Sections()) {
            std::size_t start = 0;
            for (std::size_t k = 1; k <= section.size(); ++k) {
                if (k < section.size() && section[k].step == section[start].step) continue;
                all.push_back({section[start].step, section.subspan(start, k - start)});
                start = k;
            }
        }
        return all;
    }();
    return blocks;
}

TextField& Field(MainWindow& window) {
    return Required(window.TextField1(), "TextField1");
}
Canvas& TheCanvas(MainWindow& window) {
    return Required(window.REALCanvas(), "REALCanvas");
}

// The canvas is fetched before the picture, each time.
void SetBackdrop(MainWindow& window, PictureAccessor picture) {
    Canvas& canvas = TheCanvas(window);
    canvas.Backdrop(picture());
}

void Redraw(MainWindow& window) {
    TheCanvas(window).Refresh(true);
}

void SceneChange(MainWindow& window, PictureAccessor picture) {
    SetBackdrop(window, WHITE);
    Redraw(window);
    SetBackdrop(window, picture);
}

void ShowLine(MainWindow& window, std::string_view text) {
    TextField& field = Field(window);
    field.Text(text);
}

void ShowTwoLines(MainWindow& window, std::string_view first, std::string_view second) {
    TextField& field = Field(window);
    std::string lineBreak = Chr(13);
    field.Text(RuntimeAddString(RuntimeAddString(first, lineBreak), second));
}

void Store(MainWindow& window, const StoreStep& store) {
    if (store.kind == StoreStep::Fixed) window.i = store.value;
    if (store.kind == StoreStep::Relative) window.i = window.i + store.value;
}

void RunPicture(MainWindow& window, const PictureStep& step) {
    switch (step.kind) {
    case PictureStep::None:
        break;
    case PictureStep::SceneChange:
        SceneChange(window, step.picture);
        break;
    case PictureStep::ShowAndRedraw:
        SetBackdrop(window, step.picture);
        Redraw(window);
        break;
    case PictureStep::PutOn:
        SetBackdrop(window, step.picture);
        break;
    }
}

// The typed name decides the ending: too short, one of the names, or anything else.
void CheckName(MainWindow& window) {
    Field(window).ReadOnly(true);
    if (Len(Field(window).Text()) < kShortestName) {
        ShowLine(window, kTooShortLine);
        return;
    }
    std::string typed = Field(window).Text();
    for (const NameRow& row : CulpritNames()) {
        if (RuntimeStringCompare(typed, row.name) != 0) continue;
        SceneChange(window, row.picture);
        ShowLine(window, row.line);
        Store(window, row.store);
        return;
    }
}

void RunText(MainWindow& window, const TextStep& text) {
    switch (text.kind) {
    case TextStep::None:
        break;
    case TextStep::Line:
        ShowLine(window, text.first);
        break;
    case TextStep::TwoLines:
        ShowTwoLines(window, text.first, text.second);
        break;
    case TextStep::NamePrompt:
        Field(window).ReadOnly(false);
        ShowLine(window, text.first);
        break;
    case TextStep::NameCheck:
        CheckName(window);
        break;
    }
}

std::optional<Answer> ChoiceTest(std::int64_t abcd) {
    for (Answer answer : {Answer::A, Answer::B, Answer::C, Answer::D})
        if (abcd == std::int64_t(answer)) return answer;
    return std::nullopt; // no default branch
}

Side CoinFlip() {
    double x = Rnd();
    return x * 2.0 >= 1.0 ? Side::Heads : Side::Tails;
}

void RunBlock(MainWindow& window, std::span<const Row> rows) {
    bool tested = false;
    std::optional<Answer> answer;
    std::optional<Side> side;
    for (const Row& row : rows) {
        if (row.branch.answer != Answer::Any) {
            if (!tested) answer = ChoiceTest(window.abcd);
            tested = true;
            if (answer != row.branch.answer) continue;
        }
        if (row.branch.side != Side::Any) {
            if (!side) side = CoinFlip();
            if (side != row.branch.side) continue;
        }
        RunPicture(window, row.picture);
        RunText(window, row.text);
        Store(window, row.store);
    }
}

} // namespace

std::span<const Row> BlockOf(std::int64_t step) {
    for (const Block& block : Blocks())
        if (block.step == step) return block.rows;
    return {};
}

std::size_t StepCount() {
    return Blocks().size();
}

} // namespace script

void MainWindow::OKButton_Action(const std::shared_ptr<BevelButton>&) {
    script::RunBlock(*this, script::BlockOf(i));
    i = i + 1; // the common step, after every press that did not fail
}
