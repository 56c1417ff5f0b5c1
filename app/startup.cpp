// The start-up order: runtime, classes, exception helper, early start-up with the App
// object and its menu bar, the framework's initialisation opening the window, the loop.
#include "app/startup.h"

#include "ui/main_window.h"
#include "ui/menu_bar.h"

#include <array>
#include <cstdio>

namespace {

const std::array<Initializer, 4> kInitializers{{
    {"App.__ctblinit", App::__ctblinit},
    {"MainWindow.__ctblinit", MainWindow::__ctblinit},
    {"MenuBar1._implicitInstance.__Init", MenuBar1::_implicitInstance__Init},
    {"MenuBar1.__ctblinit", MenuBar1::__ctblinit},
}};

// The version of the toolchain that built us, as the runtime likes to know it.
constexpr double kToolchainVersion = __GNUC__ + __GNUC_MINOR__ / 10.0;

} // namespace

void App::__ctblinit() {
    if (RuntimeFindClass("App")) return;
    const ClassRecord& base = Application::Record();
    RuntimeRegisterClass(
        {"App", &base, base.operations, {}, [] { return std::make_shared<App>(); }});
}

const ClassRecord& App::__Lookup() {
    __ctblinit();
    return *RuntimeFindClass("App");
}

std::span<const Initializer> ProgramInitializers() {
    return kInitializers;
}

int RunProcess(int argc, char** argv) {
    try {
        RuntimeInit(argc, argv);
        RuntimePerformInitializers(kInitializers);
        _Main();
        RuntimePerformFinalizers();
        return RuntimeExit();
    } catch (...) {
        // Even the report failed: still never end a failed run with success.
        std::fprintf(stderr, "holomina: start-up or shut-down failed\n");
        return 1;
    }
}

void _Main() {
    try {
        _RuntimeSetExceptionHelper(_CallFunctionWithExceptionHandling);
        _RuntimeSetToolchainVersion(kToolchainVersion);
        _EarlyStartup();
        _RunFrameworkInitialization(_LateStartup);
        _RuntimeRun();
    } catch (...) {
        _UnhandledException(std::current_exception());
    }
}

void _EarlyStartup() {
    Application::_SetSupportsHiDPI(true);
    _RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {}

void _NewAppInstance() {
    const ClassRecord& record = App::__Lookup();
    auto app = RuntimeCheckCast<App>(RuntimeNewObject(record), record);
    if (app) app->Constructor();
    Required(app, "the App object").MenuBar(MenuBar1_MenuBar1());
    _RuntimeRegisterAppObject(app);
}

// Every menu item acts through the framework's built-in actions.
void _ApplicationAddMenuHandlers() {}

void _LateStartup() {
    _MakeDefaultView();
}

void _MakeDefaultView() {
    MainWindow_MainWindow();
}

std::exception_ptr _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
    try {
        function(argument);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}
