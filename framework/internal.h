// Framework-private glue between its parts; the game never includes this.
#pragma once

namespace fw {
void StartToolkit(int argc, char** argv);
void RegisterFrameworkClasses();
void CloseAllWindows();
void ReleaseMenus();
int LoopExitCode();
} // namespace fw
