// Start-up benchmark: how long after launch the title screen is fully painted, measured side by
// side with a bare Qt window of the same size.
//
//   startup_probe [rounds]       launches itself rounds times per kind, alternating, and
//                                prints the median, quartiles and the ratio game / bare
//   startup_probe child          one launch of the game; prints the nanoseconds between the
//                                parent's spawn and the end of the window's first paint
//   startup_probe stages         one launch that also tells on stderr when each stage of the
//                                start-up ended, to see where the time goes
//
// The bare window is startup_bare beside this program, a Qt Widgets program and nothing more.
//
// Needs a display (run it under xvfb-run, as bench/startup.sh does). The clock starts in the
// parent just before the spawn, so loading the program and its libraries counts.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "first_paint.h"
#include "platform/services.h"
#include "ui/mainform.h"

extern char** environ;

namespace {

using probe::now_ns;

int child(int argc, char** argv, bool stages) {
    const long long start = probe::start_ns();
    auto stage = [&](const char* name) {
        if (!stages) return;
        rusage use{};
        getrusage(RUSAGE_SELF, &use);
        std::fprintf(stderr, "%-22s %7.2f ms %6ld page faults\n", name, static_cast<double>(now_ns() - start) / 1e6,
                     use.ru_minflt + use.ru_majflt);
    };
    platform::begin_reading_font_configuration();
    QApplication app(argc, argv);
    platform::begin_listing_fonts();
    stage("application");
    probe::FirstPaint report(start, [&] { stage("painted"); });
    // The program's own start, as app/main.cpp runs it.
    QApplication::setApplicationName("quorvel");
    QApplication::setQuitOnLastWindowClosed(false);
    platform::register_font_substitutes();
    platform::set_program_title("Quorvel Infinite");
    ui::MainForm& form = ui::create_mainform();
    stage("controls");
    form.Form_Load();
    stage("Form_Load");
    form.centre_on_screen();
    form.widget()->installEventFilter(&report);
    form.show();
    stage("show");
    return QApplication::exec();
}

// Spawns one launch and reads its report; -1 when it failed.
long long launch(const std::string& program, const char* arg) {
    int pipe_fd[2];
    if (pipe(pipe_fd) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fd[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_fd[0]);
    const std::string start = std::string(probe::kStartVar) + "=" + std::to_string(now_ns());
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) env.push_back(*e);
    env.push_back(const_cast<char*>(start.c_str()));
    env.push_back(nullptr);
    char* args[] = {const_cast<char*>(program.c_str()), const_cast<char*>(arg), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, args, env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fd[1]);
    long long ns = -1;
    if (rc == 0) {
        char buf[64] = {};
        const ssize_t n = read(pipe_fd[0], buf, sizeof buf - 1);
        if (n > 0) ns = std::atoll(buf);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ns = -1;
    }
    close(pipe_fd[0]);
    return ns;
}

double quantile(std::vector<long long> v, double q) {
    std::sort(v.begin(), v.end());
    const double pos = q * static_cast<double>(v.size() - 1);
    const auto lo = static_cast<std::size_t>(pos);
    const std::size_t hi = std::min(lo + 1, v.size() - 1);
    return (static_cast<double>(v[lo]) + (pos - static_cast<double>(lo)) * static_cast<double>(v[hi] - v[lo])) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "child") return child(argc, argv, false);
    if (argc >= 2 && std::string(argv[1]) == "stages") return child(argc, argv, true);
    const int rounds = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 21;
    // Never touch the player's own settings.
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", QDir::toNativeSeparators(config.path()).toLocal8Bit().constData(), 1);
    char self_path[4096] = {};
    if (readlink("/proc/self/exe", self_path, sizeof self_path - 1) <= 0) return 1;
    const std::string self = self_path;
    const std::string bare_window = self.substr(0, self.rfind('/') + 1) + "startup_bare";
    std::vector<long long> bare, game;
    // One warm-up launch each fills the file cache, then the kinds take turns so that a busy
    // moment of the machine falls on both alike.
    launch(bare_window, nullptr);
    launch(self, "child");
    for (int i = 0; i < rounds; ++i) {
        const long long b = launch(bare_window, nullptr);
        const long long g = launch(self, "child");
        if (b < 0 || g < 0) {
            std::fprintf(stderr, "startup_probe: a launch failed (is there a display?)\n");
            return 1;
        }
        bare.push_back(b);
        game.push_back(g);
    }
    std::printf("first full paint after launch, %d launches each (ms)\n", rounds);
    std::printf("%-12s %8s %8s %8s\n", "", "median", "q1", "q3");
    std::printf("%-12s %8.1f %8.1f %8.1f\n", "bare window", quantile(bare, 0.5), quantile(bare, 0.25), quantile(bare, 0.75));
    std::printf("%-12s %8.1f %8.1f %8.1f\n", "title screen", quantile(game, 0.5), quantile(game, 0.25), quantile(game, 0.75));
    const double ratio = quantile(game, 0.5) / quantile(bare, 0.5);
    std::printf("ratio %.2f (target at most 1.50)\n", ratio);
    return 0;
}
