// The story as data. Each row is one block (or one branch of a block) in the columns
// Step | Branch | Picture | Text | Stores. A row runs its picture, then its text, then its
// store; the rows of one step run in table order, so a block that keeps another order is
// written as several rows.
#pragma once

#include "framework/picture.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace script {

using PictureAccessor = PictureRef (*)();

// Branch: the answer recorded in abcd (A-D) and/or the side of the coin. A row with an
// answer runs only when the block's choice test picked it; a row with a side only when the
// block's coin came up so. The test and the flip are made once, at the first row needing them.
enum class Answer : std::int8_t { Any = -1, A = 0, B = 1, C = 2, D = 3 };
enum class Side : std::int8_t { Any, Heads, Tails };
struct Branch {
    Answer answer = Answer::Any;
    Side side = Side::Any;
};

// Picture: a scene change (blank picture, redraw, the picture), a picture shown with a
// redraw, a picture put on with no redraw, or nothing.
struct PictureStep {
    enum Kind : std::uint8_t { None, SceneChange, ShowAndRedraw, PutOn } kind = None;
    PictureAccessor picture = nullptr;
};

// Text: a line, two lines joined by one carriage return, the name prompt (the field made
// editable, then the line), the culprit-name check, or nothing.
struct TextStep {
    enum Kind : std::uint8_t { None, Line, TwoLines, NamePrompt, NameCheck } kind = None;
    std::string_view first, second;
};

// Stores: a fixed value or one relative to i; the common step adds 1 after every press.
struct StoreStep {
    enum Kind : std::uint8_t { None, Fixed, Relative } kind = None;
    std::int64_t value = 0;
};

struct Row {
    std::int64_t step;
    Branch branch;
    PictureStep picture;
    TextStep text;
    StoreStep store;
};

// A typed culprit name, what it shows and where it sends the story.
struct NameRow {
    std::string_view name;
    PictureAccessor picture;
    std::string_view line;
    StoreStep store;
};

// The script's sections, in the order the dispatcher compares their steps.
std::span<const std::span<const Row>> Sections();
std::span<const NameRow> CulpritNames();
inline constexpr std::int64_t kShortestName = 3; // characters
extern const std::string_view kTooShortLine;

} // namespace script
