// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the game's start: from the start of its process to its main window being mapped on the
// X server, paired run for run with a bare Qt main window of the same kind (startup_bare), so that
// a busy machine slows both alike. bench/startup_bench.sh runs it on an X server of its own
// without a window manager and with a private home; it expects DISPLAY to be set.
//
//   startup_bench --build DIR [--pairs N] [--warmup N] [--hold MS] [--sound-socket PATH]
//                 [--output FILE]
//
// The game runs as DIR/game/tolvane, the bare window as DIR/bench/startup_bare, both from the
// game's folder DIR/game, where the game reads its score file. Each pair starts both, one after
// the other, the order alternating from pair to pair. A start is timed from just before exec to
// the MapNotify of the program's main window on the root window (with no window manager a
// top-level map is reported there), the window told by its process id and its title, so that
// Qt's hidden helper windows and a message box do not count. The program is then killed and the
// destruction of its window awaited before the next start.
//
// With --sound-socket the programs' sound server is a socket at PATH that only notes when the
// game connects: the game starts its audio service a while after showing its window, and each
// pair says whether that had happened by the map. --hold keeps every program running that many
// milliseconds after its map, to see when the game does connect. --output collects what the
// programs print, which would otherwise come between the lines of figures.

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int MinimumPairs = 31;
// Far beyond any start seen, even on a loaded machine: a program that has not mapped its window
// by then is taken to hang.
constexpr double StartLimitMs = 60000;
constexpr double DestroyLimitMs = 5000;

struct Options {
    std::string Build;
    int Pairs = MinimumPairs;
    int Warmup = 1;
    int HoldMs = 0;
    std::string SoundSocket;
    std::string Output;
};

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(stderr,
                 "startup_bench: %s\n"
                 "usage: startup_bench --build DIR [--pairs N (at least %d)] [--warmup N] "
                 "[--hold MS] [--sound-socket PATH] [--output FILE]\n",
                 problem, MinimumPairs);
    std::exit(2);
}

int Count(const char* text, int least) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < least || value > 100000)
        Usage("a count is out of range");
    return static_cast<int>(value);
}

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            Usage("missing value");
        const char* value = argv[++i];
        if (option == "--build")
            options.Build = value;
        else if (option == "--pairs")
            options.Pairs = Count(value, MinimumPairs);
        else if (option == "--warmup")
            options.Warmup = Count(value, 0);
        else if (option == "--hold")
            options.HoldMs = Count(value, 0);
        else if (option == "--sound-socket")
            options.SoundSocket = value;
        else if (option == "--output")
            options.Output = value;
        else
            Usage("unknown option");
    }
    if (options.Build.empty())
        Usage("--build is needed");
    return options;
}

[[noreturn]] void Fail(const std::string& problem) {
    std::fprintf(stderr, "startup_bench: %s\n", problem.c_str());
    std::exit(1);
}

// Milliseconds on the clock that a child reads just before exec.
double Now() {
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

std::string LoadAverage() {
    char text[128] = "";
    if (FILE* file = std::fopen("/proc/loadavg", "r")) {
        if (!std::fgets(text, sizeof text, file))
            text[0] = '\0';
        std::fclose(file);
    }
    std::string load(text);
    // The first three fields: the averages over 1, 5 and 15 minutes.
    std::size_t end = 0;
    for (int field = 0; field < 3 && end != std::string::npos; ++field)
        end = load.find(' ', end + 1);
    return load.substr(0, end);
}

struct XServer {
    xcb_connection_t* Connection = nullptr;
    xcb_window_t Root = 0;
    xcb_atom_t ProcessId = 0;
    xcb_atom_t NetName = 0;
};

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, std::strlen(name), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        Fail(std::string("the X server has no atom ") + name);
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

XServer Connect() {
    XServer x;
    int screen = 0;
    x.Connection = xcb_connect(nullptr, &screen);
    if (xcb_connection_has_error(x.Connection))
        Fail("cannot connect to the X server (is DISPLAY set?)");
    auto roots = xcb_setup_roots_iterator(xcb_get_setup(x.Connection));
    for (int i = 0; i < screen && roots.rem; ++i)
        xcb_screen_next(&roots);
    x.Root = roots.data->root;
    // Every top-level window's creation, map and destruction is reported on the root.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const auto cookie =
        xcb_change_window_attributes_checked(x.Connection, x.Root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(x.Connection, cookie)) {
        std::free(error);
        Fail("cannot watch the root window");
    }
    x.ProcessId = Atom(x.Connection, "_NET_WM_PID");
    x.NetName = Atom(x.Connection, "_NET_WM_NAME");
    return x;
}

// The property's bytes; empty when the window has none or is gone.
std::string Property(const XServer& x, xcb_window_t window, xcb_atom_t property) {
    const auto cookie =
        xcb_get_property(x.Connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(x.Connection, cookie, nullptr);
    if (!reply)
        return {};
    const std::string bytes(static_cast<const char*>(xcb_get_property_value(reply)),
                            static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return bytes;
}

bool IsMainWindow(const XServer& x, xcb_window_t window, pid_t child, const std::string& title) {
    const std::string processId = Property(x, window, x.ProcessId);
    std::uint32_t pid = 0;
    if (processId.size() != sizeof pid)
        return false;
    std::memcpy(&pid, processId.data(), sizeof pid);
    std::string name = Property(x, window, x.NetName);
    if (name.empty())
        name = Property(x, window, XCB_ATOM_WM_NAME);
    return static_cast<pid_t>(pid) == child && name == title;
}

std::string Size(const XServer& x, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(x.Connection, xcb_get_geometry(x.Connection, window), nullptr);
    if (!geometry)
        return "unknown";
    const std::string size =
        std::to_string(geometry->width) + "x" + std::to_string(geometry->height);
    std::free(geometry);
    return size;
}

// A sound server that accepts connections and drops them, noting when the first came.
class SoundServer {
  public:
    explicit SoundServer(const std::string& path) : Path(path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.size() >= sizeof address.sun_path)
            Fail("the sound socket's path is too long");
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        Socket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (Socket < 0 || bind(Socket, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
            listen(Socket, 16))
            Fail("cannot listen on " + path + ": " + std::strerror(errno));
    }
    ~SoundServer() {
        close(Socket);
        unlink(Path.c_str());
    }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    int Descriptor() const { return Socket; }

    // Drops the waiting connections; true when there was one.
    bool Drop() {
        bool any = false;
        for (int connection; (connection = accept4(Socket, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            close(connection);
            any = true;
        }
        return any;
    }

  private:
    std::string Path;
    int Socket = -1;
};

struct Program {
    std::string Name;
    std::string Path;
    std::string Title;
};

struct Start {
    double MapMs = 0;
    // From the map to the game's first connection to the sound server, when there was one.
    std::optional<double> SoundAfterMapMs;
    int OtherWindowsMapped = 0;
    std::string Size;
};

void Discard(const XServer& x) {
    xcb_flush(x.Connection);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x.Connection))
        std::free(event);
}

struct Map {
    xcb_window_t Window;
    double At;
};

// The top-level windows mapped and destroyed since the last look, each map with the time it was
// read: all events waiting are read before any question to the server, which would delay them.
void ReadEvents(const XServer& x, std::vector<Map>& maps, std::vector<xcb_window_t>& destroyed) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(x.Connection)) {
        const double at = Now();
        const int type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (map->event == x.Root && !map->override_redirect)
                maps.push_back({map->window, at});
        } else if (type == XCB_DESTROY_NOTIFY) {
            const auto* destroy = reinterpret_cast<xcb_destroy_notify_event_t*>(event);
            if (destroy->event == x.Root)
                destroyed.push_back(destroy->window);
        }
        std::free(event);
    }
    if (xcb_connection_has_error(x.Connection))
        Fail("lost the X server");
}

void Wait(const XServer& x, SoundServer* sound, double untilMs) {
    pollfd watched[2] = {{xcb_get_file_descriptor(x.Connection), POLLIN, 0},
                         {sound ? sound->Descriptor() : -1, POLLIN, 0}};
    // Short enough to notice a child that died without a window.
    const double wait = std::min(untilMs - Now(), 100.0);
    poll(watched, 2, std::max(0, static_cast<int>(wait + 0.999)));
}

pid_t Launch(const Program& program, const std::string& folder, int output, double& startMs) {
    int channel[2];
    if (pipe2(channel, O_CLOEXEC))
        Fail(std::string("pipe: ") + std::strerror(errno));
    char* const arguments[] = {const_cast<char*>(program.Path.c_str()), nullptr};
    const pid_t child = fork();
    if (child < 0)
        Fail(std::string("fork: ") + std::strerror(errno));
    if (child == 0) {
        close(channel[0]);
        if (output >= 0) {
            dup2(output, STDOUT_FILENO);
            dup2(output, STDERR_FILENO);
        }
        if (chdir(folder.c_str()) == 0) {
            const double start = Now();
            if (write(channel[1], &start, sizeof start) == sizeof start)
                execv(program.Path.c_str(), arguments);
        }
        const int error = errno;
        [[maybe_unused]] const auto ignored = write(channel[1], &error, sizeof error);
        _exit(127);
    }
    close(channel[1]);
    // The start time, then the end of the channel when exec closes it, or the reason it failed.
    int error = 0;
    const bool started = read(channel[0], &startMs, sizeof startMs) == sizeof startMs &&
                         read(channel[0], &error, sizeof error) == 0;
    close(channel[0]);
    if (!started) {
        waitpid(child, nullptr, 0);
        Fail("cannot start " + program.Path + ": " + std::strerror(error));
    }
    return child;
}

Start Run(const XServer& x, SoundServer* sound, int output, const Program& program,
          const Options& options) {
    Discard(x);
    if (sound)
        sound->Drop();
    double startMs = 0;
    const pid_t child = Launch(program, options.Build + "/game", output, startMs);

    Start start;
    std::optional<xcb_window_t> mainWindow;
    std::optional<double> soundAt;
    std::vector<Map> maps;
    std::vector<xcb_window_t> destroyed;
    double until = startMs + StartLimitMs;
    const auto noteSound = [&] {
        if (sound && sound->Drop() && !soundAt)
            soundAt = Now();
    };
    while (Now() < until) {
        // A connection waiting when the map is read came before it.
        noteSound();
        ReadEvents(x, maps, destroyed);
        for (const Map& map : maps) {
            if (!mainWindow && IsMainWindow(x, map.Window, child, program.Title)) {
                mainWindow = map.Window;
                start.MapMs = map.At - startMs;
                start.Size = Size(x, map.Window);
                until = map.At + options.HoldMs;
            } else {
                ++start.OtherWindowsMapped;
            }
        }
        maps.clear();
        if (mainWindow && options.HoldMs == 0)
            break;
        Wait(x, sound, until);
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            const std::string how =
                WIFEXITED(status) ? "exited with status " + std::to_string(WEXITSTATUS(status))
                                  : "was ended by signal " + std::to_string(WTERMSIG(status));
            Fail(program.Name + " " + how + (mainWindow ? " while held" : " before its map"));
        }
    }
    if (!mainWindow) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        Fail(program.Name + " mapped no main window titled \"" + program.Title + "\" in time");
    }
    noteSound();
    if (soundAt)
        start.SoundAfterMapMs = *soundAt - (startMs + start.MapMs);

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // The server has let go of the program once its window is destroyed.
    const double limit = Now() + DestroyLimitMs;
    while (std::find(destroyed.begin(), destroyed.end(), *mainWindow) == destroyed.end()) {
        if (Now() >= limit)
            Fail(program.Name + "'s window outlived it");
        Wait(x, nullptr, limit);
        ReadEvents(x, maps, destroyed);
    }
    return start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string SoundNote(const Start& game, bool watched) {
    if (!watched)
        return "";
    if (!game.SoundAfterMapMs)
        return "none before it was killed";
    char text[64];
    std::snprintf(text, sizeof text, "%+.1f ms%s", *game.SoundAfterMapMs,
                  *game.SoundAfterMapMs < 0 ? " (before the map)" : "");
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    // Killing a program could end a write to a pipe of ours; that is no reason to stop.
    signal(SIGPIPE, SIG_IGN);
    const Program game{"the game", options.Build + "/game/tolvane", "Tolvane"};
    const Program bare{"the bare window", options.Build + "/bench/startup_bare", "Tolvane-bare"};
    for (const Program* program : {&game, &bare})
        if (access(program->Path.c_str(), X_OK))
            Fail(program->Path + " is not built");
    std::optional<SoundServer> sound;
    if (!options.SoundSocket.empty()) {
        sound.emplace(options.SoundSocket);
        setenv("PULSE_SERVER", ("unix:" + options.SoundSocket).c_str(), 1);
    }
    SoundServer* soundServer = sound ? &*sound : nullptr;
    int output = -1;
    if (!options.Output.empty()) {
        output = open(options.Output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        if (output < 0)
            Fail("cannot write " + options.Output + ": " + std::strerror(errno));
    }
    const XServer x = Connect();

    std::printf("start to main window mapped, %d pairs; game %s, bare %s, both run from %s/game\n",
                options.Pairs, game.Path.c_str(), bare.Path.c_str(), options.Build.c_str());
    std::printf("load average (1, 5, 15 min) at the start: %s; %ld processors\n",
                LoadAverage().c_str(), sysconf(_SC_NPROCESSORS_ONLN));
    if (options.HoldMs)
        std::printf("each program held %d ms after its map\n", options.HoldMs);
    for (int i = 0; i < options.Warmup; ++i) {
        const double gameMs = Run(x, soundServer, output, game, options).MapMs;
        const double bareMs = Run(x, soundServer, output, bare, options).MapMs;
        std::printf("warm-up (not counted): game %.1f ms, bare %.1f ms\n", gameMs, bareMs);
    }

    const bool watched = soundServer != nullptr;
    std::printf("\npair  first   game ms   bare ms  game/bare  other maps%s\n",
                watched ? "  game's sound server, from its map" : "");
    std::vector<double> gameTimes, bareTimes, ratios;
    std::string gameSize, bareSize;
    int soundBeforeMap = 0;
    for (int pair = 1; pair <= options.Pairs; ++pair) {
        // Odd pairs start the game first, even pairs the bare window.
        const bool gameFirst = pair % 2 == 1;
        const Start first = Run(x, soundServer, output, gameFirst ? game : bare, options);
        const Start second = Run(x, soundServer, output, gameFirst ? bare : game, options);
        const Start& gameStart = gameFirst ? first : second;
        const Start& bareStart = gameFirst ? second : first;
        gameTimes.push_back(gameStart.MapMs);
        bareTimes.push_back(bareStart.MapMs);
        ratios.push_back(gameStart.MapMs / bareStart.MapMs);
        gameSize = gameStart.Size;
        bareSize = bareStart.Size;
        if (gameStart.SoundAfterMapMs && *gameStart.SoundAfterMapMs < 0)
            ++soundBeforeMap;
        std::printf("%4d  %-5s %9.1f %9.1f %10.3f  %5d/%-5d %s\n", pair,
                    gameFirst ? "game" : "bare", gameStart.MapMs, bareStart.MapMs, ratios.back(),
                    gameStart.OtherWindowsMapped, bareStart.OtherWindowsMapped,
                    SoundNote(gameStart, watched).c_str());
        std::fflush(stdout);
    }

    std::printf("\nmedian      %9.1f %9.1f %10.3f\n", Median(gameTimes), Median(bareTimes),
                Median(ratios));
    std::printf("median game %.1f ms, median bare %.1f ms, median of the per-pair ratios "
                "game/bare %.3f (%d pairs)\n",
                Median(gameTimes), Median(bareTimes), Median(ratios), options.Pairs);
    std::printf("main windows as mapped: game %s, bare %s\n", gameSize.c_str(), bareSize.c_str());
    if (watched)
        std::printf("the game reached its sound server before its map in %d of %d starts\n",
                    soundBeforeMap, options.Pairs);
    std::printf("load average (1, 5, 15 min) at the end: %s\n", LoadAverage().c_str());
    return 0;
}
