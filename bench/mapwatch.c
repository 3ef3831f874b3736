/* Starts a program and reports how long it took to map its first top-level
 * window: the clock starts just before the fork and stops when the X server's
 * MapNotify for a new child of the root window arrives. Without a window
 * manager the program's own map request is the one that maps the window.
 *
 *   mapwatch [-t timeout_s] program [args...]
 *
 * Prints "<pid> <window id> <milliseconds>" as soon as the window maps, then
 * stays the program's parent until it ends and exits with its status; exits
 * 1 (and kills the program) when nothing maps in time. The program's own
 * output goes to standard error. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    double timeout_ms = 20000;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "-t") == 0) {
        timeout_ms = atof(argv[2]) * 1e3;
        first = 3;
    }
    if (first >= argc) {
        fprintf(stderr, "usage: mapwatch [-t seconds] program [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "mapwatch: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);   /* selected before the program can map anything */

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[first], argv + first);
        perror("mapwatch: exec");
        _exit(127);
    }
    struct pollfd x = {.fd = ConnectionNumber(display), .events = POLLIN};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
                const double mapped = now_ms();
                printf("%d 0x%lx %.2f\n", (int)pid, (unsigned long)event.xmap.window, mapped - start);
                fflush(stdout);
                XCloseDisplay(display);
                int status = 0;
                waitpid(pid, &status, 0);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
        }
        const double left = timeout_ms - (now_ms() - start);
        if (left <= 0 || poll(&x, 1, (int)left + 1) < 0)
            break;
    }
    fprintf(stderr, "mapwatch: no window mapped within %.0f s\n", timeout_ms / 1e3);
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    return 1;
}
