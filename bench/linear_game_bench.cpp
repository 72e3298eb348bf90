// A 1000-round headless Linear game: time per round and resident memory over the game.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "bench_support.h"
#include "core/game_state.h"
#include "core/pieces.h"
#include "platform/random.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/screen_state.h"

namespace {

// Kilobytes of a /proc/self/status field (VmRSS now, VmHWM the peak).
long status_kb(const std::string& field) {
    std::ifstream in("/proc/self/status");
    std::string key;
    long value = 0;
    while (in >> key) {
        if (key == field + ":") {
            in >> value;
            return value;
        }
        std::getline(in, key);
    }
    return -1;
}

void run_transition(ui::MainForm& f) {
    for (int i = 0; i < 24 && f.Timer_pane.enabled(); ++i) f.Timer_pane.fire();
}

// Plays one round to its win; returns false if the game is not in a round.
bool win_round(ui::MainForm& f) {
    core::CoreState& s = core::core_state();
    if (s.game_state != core::StateWord::PlayPuzzle) return false;
    for (int i = 1; i <= s.tgt_count && s.game_state == core::StateWord::PlayPuzzle; ++i) {
        s.cur_col = s.tgt_col[static_cast<std::size_t>(i)];
        s.cur_row = s.tgt_row[static_cast<std::size_t>(i)];
        core::check_answer();
    }
    while (f.Timer_ansclose.enabled()) f.Timer_ansclose.fire();
    run_transition(f);
    return true;
}

void BM_linear_game_1000_rounds(benchmark::State& state) {
    bench::ensure_game_window();
    platform::set_msgbox_handler([](const platform::MsgBoxCall&) { return 1; });
    ui::MainForm& f = ui::mainform();
    f.Form_Load();
    long rss_100 = 0, rss_1000 = 0;
    for (auto _ : state) {
        platform::seed_random(77);
        ui::goto_mainmenu();
        ui::start_linear();
        ui::leave_menu();
        run_transition(f);
        for (int round = 1; round <= 1000; ++round) {
            if (!win_round(f)) break;
            if (round == 100) rss_100 = status_kb("VmRSS");
        }
        rss_1000 = status_kb("VmRSS");
    }
    state.counters["rounds"] = core::core_state().round_no;
    state.counters["rss_100_MB"] = rss_100 / 1024.0;
    state.counters["rss_1000_MB"] = rss_1000 / 1024.0;
    state.counters["peak_MB"] = status_kb("VmHWM") / 1024.0;
    state.counters["ms_per_round"] = benchmark::Counter(1000.0 * state.iterations(),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    platform::set_msgbox_handler({});
}
BENCHMARK(BM_linear_game_1000_rounds)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
