// The game's start-up without its event loop, shared by the tests and the benchmark.
#include "app/startup.h"
#include "tests/support/game.h"

namespace game_test {

std::shared_ptr<MainWindow> StartGame() {
    static char arg0[] = "holomina_test";
    static char* argv[] = {arg0, nullptr};
    RuntimeInit(1, argv);
    RuntimePerformInitializers(ProgramInitializers());
    _RuntimeSetExceptionHelper(_CallFunctionWithExceptionHandling);
    _EarlyStartup();
    _RunFrameworkInitialization(_LateStartup);
    return MainWindow_MainWindow();
}

} // namespace game_test
