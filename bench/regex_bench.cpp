// Pattern search over a 100 MB C source, line by line with LineMatches as
// find in files does, against GNU grep -c with the same pattern on the same
// file in the same run.  The corpus (the system's headers, repeated) is
// written to a temporary folder at start and removed at the end.  Ratios are
// of processor time (ours / grep's), which other programs on a shared
// machine disturb less than wall time.
#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/pattern_search.h"
#include "header_corpus.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr std::size_t kCorpusSize = HeaderCorpus::kSize;

std::filesystem::path g_corpus;

struct Run {
    long matchingLines = -1;
    double cpuSeconds = 0;
};

Run RunGrep(const char* pattern)
{
    std::string command =
        "LC_ALL=C grep -a -c -E -e '" + std::string(pattern) + "' '" + g_corpus.string() + "'";
    double before = ChildrenCpuSeconds();
    Run run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        if (std::fscanf(pipe, "%ld", &run.matchingLines) != 1)
            run.matchingLines = -1;
        pclose(pipe);
    }
    run.cpuSeconds = ChildrenCpuSeconds() - before;
    return run;
}

// Reads the whole file, as grep does, then hands every line with its line
// feed to match.
template <typename Match> Run RunLines(Match match)
{
    static std::string text;
    Run run;
    std::clock_t start = std::clock();
    {
        std::ifstream in(g_corpus, std::ios::binary);
        text.resize(kCorpusSize);
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(in.gcount()));
    }
    long count = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        const char* next = lf ? lf + 1 : end;
        count += match(std::string_view(p, std::size_t(next - p)));
        p = next;
    }
    run.cpuSeconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    run.matchingLines = count;
    return run;
}

void Report(benchmark::State& state, const Run& ours, const Run& grep)
{
    state.counters["lines"] = double(ours.matchingLines);
    state.counters["grep_lines"] = double(grep.matchingLines);
    state.counters["ours_ms"] = ours.cpuSeconds * 1000;
    state.counters["grep_ms"] = grep.cpuSeconds * 1000;
    if (grep.cpuSeconds > 0)
        state.counters["x_grep"] = ours.cpuSeconds / grep.cpuSeconds;
}

// Compiled once for the whole search, as find in files does.
void BM_LineMatches(benchmark::State& state, const char* pattern)
{
    RecordingMessageSink sink;
    Run ours, grep;
    for (auto _ : state) {
        grep = RunGrep(pattern);
        auto began = std::chrono::steady_clock::now();
        std::optional<LinePattern> compiled = LinePattern::Compile(pattern, false, sink);
        ours = RunLines([&](std::string_view line) { return LineMatches(*compiled, line); });
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    }
    Report(state, ours, grep);
}

// The plain front end, which compiles the pattern again for every line.
void BM_LineMatchesCompilingEachLine(benchmark::State& state, const char* pattern)
{
    RecordingMessageSink sink;
    Run ours, grep;
    for (auto _ : state) {
        grep = RunGrep(pattern);
        auto began = std::chrono::steady_clock::now();
        ours = RunLines(
            [&](std::string_view line) { return LineMatches(pattern, line, false, sink); });
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    }
    Report(state, ours, grep);
}

} // namespace

#define REGEX_BENCH(fn, iterations)                                                                \
    BENCHMARK_CAPTURE(fn, literal, "unsigned long")                                                \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(iterations);                                                                  \
    BENCHMARK_CAPTURE(fn, include, "^#include")                                                    \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(iterations);                                                                  \
    BENCHMARK_CAPTURE(fn, type_name, "[a-z]+_t")                                                   \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(iterations);                                                                  \
    BENCHMARK_CAPTURE(fn, x_to_y_at_end, "x.*y$")                                                  \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(iterations)

REGEX_BENCH(BM_LineMatches, 3);
REGEX_BENCH(BM_LineMatchesCompilingEachLine, 1);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    HeaderCorpus corpus("regex_bench");
    g_corpus = corpus.Path();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
