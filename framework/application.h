// The application object, the event loop and the way out of it.
#pragma once

#include "framework/runtime.h"

class MenuBar;

class Application : public Object {
  public:
    static const ClassRecord& Record();
    virtual void Constructor() {}

    void MenuBar(std::shared_ptr<::MenuBar> bar);
    std::shared_ptr<::MenuBar> MenuBar() const;

    static void _SetSupportsHiDPI(bool supported);
    static bool SupportsHiDPI();

  private:
    std::shared_ptr<::MenuBar> menuBar_;
};

// Makes the object the application; the framework holds it for the rest of the run.
void _RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> RuntimeAppObject();

// Readies the framework, then calls lateStartup back before returning.
void _RunFrameworkInitialization(void (*lateStartup)());
// Runs the event loop until the application quits; gives the loop's exit code.
int _RuntimeRun();
// Ends the application: the event loop returns with this code.
void Quit(int code);
