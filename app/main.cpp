// ホロミナ2.0: a multi-ending detective adventure in one window.
#include "app/startup.h"

int main(int argc, char** argv) {
    return RunProcess(argc, argv);
}
