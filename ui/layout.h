// The fixed property sets of the window and its nine controls, as serialized bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct ButtonPlace {
    const char* name;
    std::int64_t left, top, width, height;
    const char* caption;
    std::int64_t tabIndex;
};

std::string ButtonRecord(const ButtonPlace& place);
std::string TextField1Record();
std::string REALCanvasRecord();
std::string WindowRecord();
// The record of the named control, in the order the controls are made; empty if unknown.
std::string ControlRecord(std::string_view name);
