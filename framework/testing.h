// Hooks for the game's tests: they let a test listen to the framework's operations, make
// one of them fail, script the coin, and point the picture loader at another folder.
// The game itself never calls these.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Window;
class RectControl;

namespace fw::testing {

// Records every framework operation ("Canvas.Backdrop WHITE.png", "RectControl.Refresh" ...)
// from construction until destruction.
class OperationLog {
  public:
    OperationLog();
    ~OperationLog();
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;
    const std::vector<std::string>& Entries() const;
    std::vector<std::string> Matching(std::string_view prefix) const;
    void Clear();
};

// Makes the n-th call (1-based, counted from now) of the named operation raise a
// RuntimeException of the given class name ("NilObjectException", "RuntimeException" ...).
void FailOperation(std::string operation, int nth = 1,
                   std::string exceptionClass = "RuntimeException");
void ClearFaults();

// The coin: each call of Rnd takes the next value of the script.
void ScriptRandom(std::vector<double> values);
// How many numbers Rnd has handed out since the last ScriptRandom.
int RandomDraws();
void UseSystemRandom();

void SetResourceFolder(std::string folder);

// Removes a control from its window's names, so that _ControlByName no longer finds it.
void ForgetControl(Window& window, std::string_view name);

// Called once per event dispatch failure with its one-line report (default: stderr).
void SetHandlerReportSink(std::function<void(const std::string&)> sink);

} // namespace fw::testing
