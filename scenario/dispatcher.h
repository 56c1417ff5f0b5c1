// The step dispatcher: one press of OK runs the block of the step i, then adds 1 to i.
#pragma once

#include "scenario/script.h"

#include <cstdint>
#include <span>

class MainWindow;

namespace script {
// The rows of the block of that step, or none: the block that the next press would run.
std::span<const Row> BlockOf(std::int64_t step);
// How many steps have a block.
std::size_t StepCount();
} // namespace script
