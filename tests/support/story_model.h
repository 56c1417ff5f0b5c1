// A compact model of the story, written from its rules: where each press sends the story,
// what becomes of the field's lock and the coin. It reads the script's rows only for what a
// step shows. The soak and the fault tests hold the real window to it after every event.
#pragma once

#include "scenario/script.h"
#include "ui/main_window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace story_model {

struct Model {
    std::int64_t i = 0, abcd = 0;
    bool readOnly = true;
    std::string text;                // the field's text
    script::PictureAccessor picture; // the canvas's picture
    const std::vector<double>& coins;
    std::size_t draws = 0;

    explicit Model(const std::vector<double>& coinScript);
    void Ok();
    void Letter(int letter) { abcd = letter; }
    void Reset() { i = -1; }
    void Type(const std::string& typed) { text = typed; }

  private:
    std::optional<script::Answer> Answer() const;
    script::Side Flip();
    void Show(std::int64_t step, std::optional<script::Answer> answer = {},
              std::optional<script::Side> side = {});
    void NameCheck();
};

// The file of the picture that the accessor gives, or "nil" when it gives none.
std::string FileOf(script::PictureAccessor picture);

// One event played on the real window and on the model alike: "OK", "A" to "D", "Reset",
// or "type:" followed by what the player types in place of the field's text.
void Play(MainWindow& window, Model& model, const std::string& event);

// How the window differs from the model ("" if it doesn't): the step, the answer, the
// field's text and lock, the canvas's picture and the coins drawn.
std::string Difference(MainWindow& window, const Model& model);

} // namespace story_model
