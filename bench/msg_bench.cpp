// Message lookup on a full-size message file: an entry for every number from
// -60 to 9000. Each lookup scans the file from its first line, so the last
// entry is the slowest.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "text/language.h"
#include "text/messages.h"
#include "text/program_dir.h"

namespace {

QTemporaryDir* folder = nullptr;

void write_full_size_file() {
    folder = new QTemporaryDir;
    cifrala::set_program_dir(folder->path());
    QFile f(folder->path() + "/anederlands.msg");
    if (!f.open(QIODevice::WriteOnly)) return;
    QByteArray bytes;
    for (int n = -60; n <= 9000; ++n) {
        bytes += QByteArray::number(n) + "\r\n";
        // About 60 bytes of text per entry, as real messages are.
        bytes +=
            "Dit is de tekst van bericht " + QByteArray::number(n) + ", met wat uitleg erbij.\r\n";
    }
    f.write(bytes);
}

void BM_MsgLastEntry(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(cifrala::msg(9000));
}
BENCHMARK(BM_MsgLastEntry)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_MsgFirstEntry(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(cifrala::msg(-60));
}
BENCHMARK(BM_MsgFirstEntry)->Unit(benchmark::kMicrosecond);

void BM_MsgWithPlaceholders(benchmark::State& state) {
    cifrala::msg_param1 = "12";
    for (auto _ : state)
        benchmark::DoNotOptimize(cifrala::msg(5242));
}
BENCHMARK(BM_MsgWithPlaceholders)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    cifrala::language_index = 0;
    cifrala::set_language_prefix_from_index();
    write_full_size_file();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete folder;
    return 0;
}
