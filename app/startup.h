// Start-up and shut-down: the whole run, from the runtime's start to its exit code.
#pragma once

#include "framework/application.h"

#include <exception>
#include <span>

class App : public Application {
  public:
    static const ClassRecord& __Lookup();
    static void __ctblinit();
    void Constructor() override {}
};

// The process's run; main's whole body.
int RunProcess(int argc, char** argv);
// The program's start-up initialisers, in their order.
std::span<const Initializer> ProgramInitializers();

void _Main();
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();
std::exception_ptr _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);
