// Start-up benchmark: how long after launch the title screen's window is mapped and fully
// painted, measured side by side with a bare Qt window of the same size, with the processor
// time and page faults each launch took to get there.
//
//   startup_probe [rounds]       launches itself and the bare window rounds times each (31, as
//                                bench/startup.sh runs it), in turns, and prints medians,
//                                quartiles, extremes and the ratios
//   startup_probe child          one launch of the game; prints one line: nanoseconds from the
//                                parent's spawn to the window's first expose and to the end of
//                                its first paint, processor nanoseconds and page faults until then
//   startup_probe stages         one launch that also tells on stderr when each stage of the
//                                start-up ended, to see where the time goes
//
// The bare window is startup_bare beside this program, a Qt Widgets program and nothing more.
//
// Needs a display that does not reset between launches: an X server whose last client leaves
// resets itself, and every launch would then pay for the reset, the bare one too, which pulls
// the ratio towards 1. bench/startup.sh starts one with -noreset. The clock starts in the
// parent just before the spawn, so loading the program and its libraries counts.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "first_paint.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"

extern char** environ;

namespace {

using probe::now_ns;

int child(int argc, char** argv, bool stages) {
    const long long start = probe::start_ns();
    auto stage = [&](const char* name) {
        if (!stages) return;
        rusage use{}, mine{};
        getrusage(RUSAGE_SELF, &use);
        getrusage(RUSAGE_THREAD, &mine);
        timespec cpu{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
        std::fprintf(stderr, "%-12s %7.2f ms, this thread's processor time %6.2f ms, %5ld page faults, %3ld waits\n", name,
                     static_cast<double>(now_ns() - start) / 1e6,
                     static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6,
                     use.ru_minflt + use.ru_majflt, mine.ru_nvcsw);
    };
    platform::begin_reading_font_configuration();
    ui::begin_making_pictures();
    QApplication app(argc, argv);
    platform::begin_listing_fonts();
    stage("application");
    probe::FirstPaint report(start, stage);
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
    form.show();
    stage("show");
    return QApplication::exec();
}

// Spawns one launch and reads its report; false when it failed.
bool launch(const std::string& program, const char* arg, probe::Launch& out) {
    int pipe_fd[2];
    if (pipe(pipe_fd) != 0) return false;
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
    bool ok = false;
    if (rc == 0) {
        std::string text;
        char buf[128];
        ssize_t n = 0;
        while ((n = read(pipe_fd[0], buf, sizeof buf)) > 0) text.append(buf, static_cast<std::size_t>(n));
        ok = std::sscanf(text.c_str(), "%lld %lld %lld %lld", &out.mapped_ns, &out.painted_ns, &out.cpu_ns,
                         &out.faults) == 4 &&
             out.mapped_ns > 0 && out.painted_ns > 0;
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ok = false;
    }
    close(pipe_fd[0]);
    return ok;
}

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const double pos = q * static_cast<double>(v.size() - 1);
    const auto lo = static_cast<std::size_t>(pos);
    const std::size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (pos - static_cast<double>(lo)) * (v[hi] - v[lo]);
}

void row(const char* name, const std::vector<double>& v, const char* format) {
    std::printf("  %-16s", name);
    for (double q : {0.5, 0.25, 0.75, 0.0, 1.0}) std::printf(format, quantile(v, q));
    std::printf("\n");
}

// One figure for both kinds: the spread of each, the ratio of the medians and the median of
// the ratios launch by launch (each game launch against the bare launch beside it). Returns the
// ratio of the medians.
double figure(const char* title, const std::vector<probe::Launch>& bare, const std::vector<probe::Launch>& game,
            double (*of)(const probe::Launch&), const char* format) {
    std::vector<double> b, g, pairs;
    for (std::size_t i = 0; i < bare.size(); ++i) {
        b.push_back(of(bare[i]));
        g.push_back(of(game[i]));
        pairs.push_back(of(game[i]) / of(bare[i]));
    }
    std::printf("%-18s %9s %9s %9s %9s %9s\n", title, "median", "q1", "q3", "min", "max");
    row("bare window", b, format);
    row("title screen", g, format);
    const double ratio = quantile(g, 0.5) / quantile(b, 0.5);
    std::printf("  %-16s %9.2f   (launch by launch: median %.2f, q1 %.2f, q3 %.2f)\n", "ratio of medians", ratio,
                quantile(pairs, 0.5), quantile(pairs, 0.25), quantile(pairs, 0.75));
    return ratio;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "child") return child(argc, argv, false);
    if (argc >= 2 && std::string(argv[1]) == "stages") return child(argc, argv, true);
    const int rounds = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 31;
    // Never touch the player's own settings.
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", QDir::toNativeSeparators(config.path()).toLocal8Bit().constData(), 1);
    char self_path[4096] = {};
    if (readlink("/proc/self/exe", self_path, sizeof self_path - 1) <= 0) return 1;
    const std::string self = self_path;
    const std::string bare_window = self.substr(0, self.rfind('/') + 1) + "startup_bare";
    std::vector<probe::Launch> bare, game;
    probe::Launch one;
    // One warm-up launch each fills the file cache, then the kinds take turns, each going first
    // every other round, so that a busy moment of the machine falls on both alike.
    launch(bare_window, nullptr, one);
    launch(self, "child", one);
    for (int i = 0; i < rounds; ++i) {
        probe::Launch b, g;
        const bool ok = (i % 2 == 0) ? launch(bare_window, nullptr, b) && launch(self, "child", g)
                                     : launch(self, "child", g) && launch(bare_window, nullptr, b);
        if (!ok) {
            std::fprintf(stderr, "startup_probe: a launch failed (is there a display?)\n");
            return 1;
        }
        bare.push_back(b);
        game.push_back(g);
    }
    std::printf("start-up, %d launches of each, in turns; times from the spawn\n", rounds);
    figure("mapped (ms)", bare, game, [](const probe::Launch& l) { return static_cast<double>(l.mapped_ns) / 1e6; },
           " %9.1f");
    const double first_paint =
        figure("first paint (ms)", bare, game,
               [](const probe::Launch& l) { return static_cast<double>(l.painted_ns) / 1e6; }, " %9.1f");
    figure("CPU to paint (ms)", bare, game, [](const probe::Launch& l) { return static_cast<double>(l.cpu_ns) / 1e6; },
           " %9.1f");
    figure("page faults", bare, game, [](const probe::Launch& l) { return static_cast<double>(l.faults); },
           " %9.0f");
    std::printf("first full paint: title screen / bare window %.2f (target at most 1.50)\n", first_paint);
    return 0;
}
