// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and waits, on the X server's own events, for its first top-level
// window to be mapped. Prints "<ms from exec to MapNotify> <VmRSS kB two seconds later>
// <CPU ms all its threads had used at the map>"; the CPU time stays fair on a busy machine.
// Needs no window manager: under a bare Xvfb top-level windows are children of the root.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Long enough for a program run under valgrind on a busy machine.
constexpr int LimiteMs = 120000;

double Ahora()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The window's _NET_WM_PID, or -1 when it has none.
long PidDe(Display* d, Window w)
{
    const Atom pid = XInternAtom(d, "_NET_WM_PID", False);
    Atom tipo;
    int formato;
    unsigned long n, resto;
    unsigned char* datos = nullptr;
    long valor = -1;
    if (XGetWindowProperty(d, w, pid, 0, 1, False, XA_CARDINAL, &tipo, &formato, &n, &resto, &datos) == Success
        && datos && n == 1 && formato == 32)
        valor = static_cast<long>(*reinterpret_cast<unsigned long*>(datos));
    if (datos) XFree(datos);
    return valor;
}

long VmRss(pid_t pid)
{
    std::ifstream estado("/proc/" + std::to_string(pid) + "/status");
    std::string linea;
    while (std::getline(estado, linea))
        if (linea.rfind("VmRSS:", 0) == 0) return std::strtol(linea.c_str() + 6, nullptr, 10);
    return -1;
}

// Time on a CPU so far, over all threads, from the scheduler's own count (ns).
double CpuMs(pid_t pid)
{
    const std::string carpeta = "/proc/" + std::to_string(pid) + "/task";
    DIR* d = opendir(carpeta.c_str());
    if (!d) return -1;
    double ns = 0;
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        std::ifstream f(carpeta + "/" + e->d_name + "/schedstat");
        double v = 0;
        if (f >> v) ns += v;
    }
    closedir(d);
    return ns / 1e6;
}

void Terminar(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(100000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s PROGRAMA [ARGUMENTOS...]\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window raiz = DefaultRootWindow(d);
    XSelectInput(d, raiz, SubstructureNotifyMask);
    XSync(d, False);

    // The child reports the moment just before exec through a pipe that exec closes.
    int tubo[2];
    if (pipe2(tubo, O_CLOEXEC) != 0) return 2;
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        // Our stdout carries the result; whatever the program prints must not mix in.
        const int nulo = open("/dev/null", O_WRONLY);
        if (nulo >= 0) dup2(nulo, STDOUT_FILENO);
        const double t = Ahora();
        if (write(tubo[1], &t, sizeof t) != sizeof t) _exit(127);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    close(tubo[1]);
    double inicio = 0;
    if (read(tubo[0], &inicio, sizeof inicio) != sizeof inicio) return 2;
    close(tubo[0]);

    const double limite = inicio + LimiteMs;
    double mapeado = -1;
    double cpu = -1;
    while (mapeado < 0) {
        while (XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type != MapNotify || ev.xmap.override_redirect) continue;
            const double t = Ahora();
            if (PidDe(d, ev.xmap.window) == pid) {
                mapeado = t;
                cpu = CpuMs(pid);
                break;
            }
        }
        if (mapeado >= 0) break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before mapping a window\n", argv[1]);
            return 1;
        }
        if (Ahora() > limite) {
            std::fprintf(stderr, "%s mapped no window in %d s\n", argv[1], LimiteMs / 1000);
            Terminar(pid);
            return 1;
        }
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, 100);
    }

    sleep(2);
    const long rss = VmRss(pid);
    Terminar(pid);
    XCloseDisplay(d);
    std::printf("%.1f %ld %.1f\n", mapeado - inicio, rss, cpu);
    return rss < 0 ? 1 : 0;
}
