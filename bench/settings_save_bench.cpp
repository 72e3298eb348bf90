// Time of one save of the game's settings (the Hall of Fame placed into the stored table, and
// the background, written as one replacement of the file), with a file of the size the game writes
// and with one that holds 2 MB besides.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "core/game_state.h"
#include "core/settings.h"
#include "platform/services.h"

namespace {

void save_with_extra(benchmark::State& state, std::size_t extra_bytes) {
    QTemporaryDir dir;
    platform::set_settings_folder(dir.path().toStdString());
    core::core_state() = core::CoreState{};
    core::core_state().app_name = "quorvel";
    core::load_settings();
    core::save_settings();
    if (extra_bytes > 0) {
        // Someone else's section beside ours, kept by every save.
        QFile f(QString::fromStdString(platform::settings_file("quorvel")));
        f.open(QIODevice::Append);
        std::string extra = "\n[other]\n";
        for (int k = 0; extra.size() < extra_bytes; ++k) extra += "key" + std::to_string(k) + "=" + std::string(40, 'v') + "\n";
        f.write(extra.data(), static_cast<qint64>(extra.size()));
    }
    for (auto _ : state) {
        core::core_state().bg_index = static_cast<std::int16_t>(state.iterations() % 10);
        core::save_settings();
    }
    state.counters["file_bytes"] = static_cast<double>(QFile(QString::fromStdString(platform::settings_file("quorvel"))).size());
    platform::set_settings_folder("");
}

void BM_SaveSettingsShippedSize(benchmark::State& state) { save_with_extra(state, 0); }
void BM_SaveSettings2MB(benchmark::State& state) { save_with_extra(state, 2 << 20); }

BENCHMARK(BM_SaveSettingsShippedSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveSettings2MB)->Unit(benchmark::kMillisecond);

}  // namespace
