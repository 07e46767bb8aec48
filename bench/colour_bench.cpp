// Colouring every line of a 100 MB C source against a plain line scan with
// memchr over the same text, in the same run; the ratio is of processor
// time, which the other programs on a shared machine disturb less.
#include "editor/view/colour_scanner.h"

#include <benchmark/benchmark.h>

#include "header_corpus.h"

#include <ctime>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t kTextSize = 100u << 20;

const std::string& CSource()
{
    static const std::string text = HeaderCorpusText(kTextSize);
    return text;
}

template <typename PerLine> void ForEachLine(const std::string& text, PerLine perLine)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
        const char* lineEnd = lf ? lf : end;
        perLine(std::string_view(p, lineEnd - p));
        p = lineEnd + 1;
    }
}

double g_scanSeconds = 0;

void BM_MemchrLines(benchmark::State& state)
{
    const std::string& text = CSource();
    for (auto _ : state) {
        std::size_t lines = 0;
        std::clock_t start = std::clock();
        ForEachLine(text, [&](std::string_view line) { lines += line.size() != 0; });
        g_scanSeconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_ColourLines(benchmark::State& state)
{
    const std::string& text = CSource();
    std::vector<ColourRun> runs;
    double seconds = 0;
    for (auto _ : state) {
        bool inComment = false;
        std::size_t count = 0;
        std::clock_t start = std::clock();
        ForEachLine(text, [&](std::string_view line) {
            ScanColouredLine(line, inComment, runs);
            count += runs.size();
        });
        seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    if (g_scanSeconds > 0)
        state.counters["x_memchr_scan"] = seconds / g_scanSeconds;
}

} // namespace

BENCHMARK(BM_MemchrLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ColourLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
