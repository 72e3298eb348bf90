// A second copy of the game's saving, run by the settings tests to restart, kill or signal it.
//   settings_child FOLDER churn   saves ever newer tables until killed; prints "saving" first
//   settings_child FOLDER term    places an entry, sets background 6 in memory only, prints
//                                 "ready" and waits for SIGTERM or SIGHUP; with windows, as
//                                 the game, so that a box would wait for an answer
//   settings_child FOLDER run     loads, prints what it loaded, saves three ways (a won
//                                 story among them)
//   settings_child FOLDER win     loads, wins a story and prints the count
//   settings_child FOLDER table   loads and prints the Hall of Fame, one "name|score|mode" a row,
//                                 then "bg=B won=W"
//   settings_child FOLDER stall [MS]  stops in the middle of a save, holding the settings
//                                 folder, prints "holding" and goes on when its input closes,
//                                 or after MS milliseconds
#include <QApplication>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/settings.h"
#include "platform/services.h"

namespace {

void say(const char* line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Table k beats every entry of table k - 1, so that placing it in the stored table before each
// save leaves exactly table k: the file must always hold one whole generation.
[[noreturn]] void churn() {
    core::load_settings();
    // Carries on from the generation a killed run left.
    const std::string& last = core::core_state().hof_table[1].name;
    const int first = last.rfind("G", 0) == 0 ? std::stoi(last.substr(1)) + 1 : 1;
    for (int k = first;; ++k) {
        core::CoreState& s = core::core_state();
        for (int i = 1; i <= 10; ++i) {
            s.hof_table[static_cast<std::size_t>(i)] = {"G" + std::to_string(k) + "-" + std::to_string(i),
                                                        1000 * k + 10 - i, "Linear - G" + std::to_string(k)};
        }
        s.hof_unsaved.assign(s.hof_table.begin() + 1, s.hof_table.end());
        s.bg_index = static_cast<std::int16_t>(k % 10);
        core::save_settings();
        if (k == first) say("saving");
    }
}

int term() {
    core::load_settings();
    core::core_state().hof_table[0] = {"Signalled", 99999, "Linear - Crazy!"};
    core::hof_insert();
    core::core_state().bg_index = 6;
    platform::on_end_signals([] { core::save_and_quit(); });
    say("ready");
    return QCoreApplication::exec();
}

int run() {
    core::load_settings();
    const core::CoreState& s = core::core_state();
    std::printf("first=%s bg=%d won=%d\n", s.hof_table[1].name.c_str(), s.bg_index, s.stories_won);
    std::fflush(stdout);
    core::save_settings();
    core::save_background();
    core::count_won_story();
    return 0;
}

int win() {
    core::load_settings();
    core::count_won_story();
    std::printf("won=%d\n", core::core_state().stories_won);
    return 0;
}

int table() {
    core::load_settings();
    for (int i = 1; i <= 10; ++i) {
        const core::HofRec& e = core::core_state().hof_table[static_cast<std::size_t>(i)];
        std::printf("%s|%d|%s\n", e.name.c_str(), e.score, e.mode.c_str());
    }
    std::printf("bg=%d won=%d\n", core::core_state().bg_index, core::core_state().stories_won);
    return 0;
}

int stall(int hold_ms) {
    // A parent that never lets go must not leave this copy, and the lock, behind for good.
    ::alarm(10);
    platform::update_settings("quorvel", [hold_ms](platform::SettingsEntry&) {
        say("holding");
        if (hold_ms > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(hold_ms));
            return;
        }
        while (std::getchar() != EOF) {
        }
    });
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string mode = argv[2];
    // Without windows a box only says its text on the error output.
    const auto app = mode == "term" ? std::make_unique<QApplication>(argc, argv)
                                    : std::make_unique<QCoreApplication>(argc, argv);
    platform::set_settings_folder(argv[1]);
    core::core_state().app_name = "quorvel";
    if (mode == "churn") churn();
    if (mode == "term") return term();
    if (mode == "run") return run();
    if (mode == "win") return win();
    if (mode == "table") return table();
    if (mode == "stall") return stall(argc > 3 ? std::atoi(argv[3]) : 0);
    return 2;
}
