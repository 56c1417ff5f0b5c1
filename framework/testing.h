// Hooks for the game's tests: they let a test make one of the framework's operations fail,
// script the coin, point the picture loader at another folder and take a control away.
// The game itself never calls these.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Window;

namespace fw::testing {

// Makes the n-th call (1-based, counted from now) of the named operation raise a
// RuntimeException of the given class name ("NilObjectException", "RuntimeException" ...).
void FailOperation(std::string operation, int nth = 1,
                   std::string exceptionClass = "RuntimeException");

// The coin: each call of Rnd takes the next value of the script.
void ScriptRandom(std::vector<double> values);
// How many numbers Rnd has handed out since the last ScriptRandom.
int RandomDraws();

void SetResourceFolder(std::string folder);

// Removes a control from its window's names, so that _ControlByName no longer finds it.
void ForgetControl(Window& window, std::string_view name);

} // namespace fw::testing
