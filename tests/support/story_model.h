// A compact model of the story, written from its rules: where each press sends the story,
// what becomes of the field's lock and the coin. It reads the script's rows only for what a
// step shows. The soak and the fault tests hold the real window to it after every event.
#pragma once

#include "scenario/script.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace story_model {

struct Model {
    std::int64_t i = 0, abcd = 0;
    bool readOnly = true;
    std::string text, picture; // the field's text; the file name of the canvas's picture
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

// The file that a picture accessor reads, whether or not it loads.
std::string FileOf(script::PictureAccessor picture);

} // namespace story_model
