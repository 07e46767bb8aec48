// Counting the printed pages of a 100 MB C source for a page of 60 body
// lines (about 40,000 pages with the wrapped lines), against a plain line
// scan with memchr over the same text, in the same run; the ratio is of
// processor time.
#include "editor/view/print_layout.h"
#include "editor/view/testing/recording_print_surface.h"

#include <benchmark/benchmark.h>

#include "header_corpus.h"

#include <cstring>
#include <ctime>
#include <string>

namespace {

constexpr std::size_t kTextSize = 100u << 20;

const std::string& CSource()
{
    static const std::string text = HeaderCorpusText(kTextSize);
    return text;
}

// 80 columns, and a height that leaves 60 body lines under header and footer.
PrintSetup SixtyLinePage(bool lineNumbers)
{
    PrintSetup setup;
    setup.lineHeight = 10;
    setup.width = 800;
    setup.height = 690;
    setup.tabWidth = 40;
    setup.header = true;
    setup.footer = true;
    setup.lineNumbers = lineNumbers;
    return setup;
}

double g_scanSeconds = 0;

void BM_MemchrLines(benchmark::State& state)
{
    const std::string& text = CSource();
    for (auto _ : state) {
        std::size_t lines = 0;
        const std::clock_t start = std::clock();
        for (const char* p = text.data(); p;) {
            p = static_cast<const char*>(std::memchr(p, '\n', text.data() + text.size() - p));
            if (p) {
                ++p;
                ++lines;
            }
        }
        g_scanSeconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Paginate(benchmark::State& state)
{
    const std::string& text = CSource();
    StringViewText view(text);
    const PrintLayout layout(SixtyLinePage(state.range(0) != 0));
    RecordingPrintSurface surface;
    std::size_t pages = 0;
    double seconds = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        pages = PaginateForPrint(view, {}, layout, surface).size();
        seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        benchmark::DoNotOptimize(pages);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["pages"] = static_cast<double>(pages);
    if (g_scanSeconds > 0)
        state.counters["x_memchr_scan"] = seconds / g_scanSeconds;
}

} // namespace

BENCHMARK(BM_MemchrLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Paginate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
