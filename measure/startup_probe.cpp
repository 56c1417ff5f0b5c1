// Start-up to the first painted window, measured from outside: launches a program on the
// current X display, waits for its top-level window to map, then watches one pixel of it
// until the picture is painted there. Prints milliseconds; kills the program.
//   startup_probe <x> <y> <program> [arguments...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe <x> <y> <program> [arguments...]\n");
        return 2;
    }
    int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    // A window can vanish or not be viewable yet between two looks: ignore such errors.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    auto elapsed = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };

    Window mapped = 0;
    while (!mapped && elapsed() < 20000) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root) mapped = event.xmap.window;
    }
    double paintedAt = -1;
    // Painted: the pixel is neither the black of an empty window nor plain white.
    while (mapped && elapsed() < 20000) {
        XImage* image = XGetImage(display, mapped, x, y, 1, 1, AllPlanes, ZPixmap);
        unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
        if (image) XDestroyImage(image);
        if (pixel != 0 && pixel != 0xFFFFFF) {
            paintedAt = elapsed();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (paintedAt < 0) {
        std::fprintf(stderr, "startup_probe: no painted window\n");
        return 1;
    }
    std::printf("%.1f\n", paintedAt);
    return 0;
}
