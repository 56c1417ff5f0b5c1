// The application object, the toolkit's start and the event loop.
#include "framework/application.h"

#include "framework/internal.h"
#include "framework/menus.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <cstdio>

namespace {
// The toolkit keeps argc by reference for the life of the application.
int g_argc = 1;
char g_defaultArg0[] = "holomina";
char* g_defaultArgv[] = {g_defaultArg0, nullptr};

// Kept alive to the very end: menus and pictures held in statics are released after main
// returns, and they must still find their application then.
QApplication* g_app = nullptr;
std::shared_ptr<Application> g_appObject;
bool g_hiDPI = false;
bool g_quitRequested = false;
int g_quitCode = 0;
int g_loopCode = 0;

// "System" at size 0 is the desktop's default font; Japanese text must find a Japanese
// face behind it, or fontconfig may pick none (empty boxes) or Chinese glyph shapes.
void PutJapaneseBehindDefaultFont() {
    QFont font = QApplication::font();
    QStringList families{font.family(), QStringLiteral("Noto Sans CJK JP"),
                         QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")};
    font.setFamilies(families);
    QApplication::setFont(font);
    // Without any, every line of the story is a row of boxes: say what to install.
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
        std::fprintf(stderr,
                     "%s: no installed font can draw Japanese, so the texts will show as boxes; "
                     "install one, such as Debian's fonts-noto-cjk\n",
                     fw::ProgramName().c_str());
        std::fflush(stderr);
    }
}
} // namespace

namespace fw {
void StartToolkit(int argc, char** argv) {
    if (QCoreApplication::instance()) {
        g_app = qobject_cast<QApplication*>(QCoreApplication::instance());
    } else {
        if (argc > 0 && argv) {
            g_argc = argc;
            g_app = new QApplication(g_argc, argv);
        } else {
            g_app = new QApplication(g_argc, g_defaultArgv);
        }
    }
    PutJapaneseBehindDefaultFont();
}

int LoopExitCode() {
    return g_loopCode;
}
} // namespace fw

const ClassRecord& Application::Record() {
    static const ClassRecord& record = RuntimeRegisterClass(
        {"Application",
         nullptr,
         {"AddTrayItem", "DoEvents", "NewDocument", "OpenDocument", "RemoveTrayItem",
          "SleepCurrentThread", "YieldToNextThread", "_AddMenuHandler", "_AddPollableObject",
          "_DependencyList", "_DoSingleEvent", "_RemovePollableObject", "_x_SetVersionData",
          "Constructor"},
         {},
         [] { return std::make_shared<Application>(); }});
    return record;
}

void Application::MenuBar(std::shared_ptr<::MenuBar> bar) {
    fw::CheckMainThread("Application.MenuBar");
    fw::Probe("Application.MenuBar");
    menuBar_ = std::move(bar);
}

std::shared_ptr<::MenuBar> Application::MenuBar() const {
    fw::CheckMainThread("Application.MenuBar");
    return menuBar_;
}

void Application::_SetSupportsHiDPI(bool supported) {
    // The toolkit always scales for high-resolution screens; the flag is kept for callers.
    fw::Probe("Application._SetSupportsHiDPI");
    g_hiDPI = supported;
}

bool Application::SupportsHiDPI() {
    return g_hiDPI;
}

void _RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
    fw::Probe("_RuntimeRegisterAppObject");
    if (!app) throw NilObjectException("the application object is nil");
    g_appObject = std::move(app);
}

std::shared_ptr<Application> RuntimeAppObject() {
    return g_appObject;
}

void _RunFrameworkInitialization(void (*lateStartup)()) {
    fw::Probe("_RunFrameworkInitialization");
    if (lateStartup) lateStartup();
}

int _RuntimeRun() {
    fw::Probe("_RuntimeRun");
    // A quit asked for before the loop started must not leave the loop running forever.
    g_loopCode = g_quitRequested ? g_quitCode : QApplication::exec();
    return g_loopCode;
}

void Quit(int code) {
    fw::Probe("Quit");
    g_quitRequested = true;
    g_quitCode = code;
    QCoreApplication::exit(code);
}
