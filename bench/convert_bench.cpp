// Uppercase, tabs to blanks, blanks to tabs and reformat over a 10 MB
// selection of a document (their undo reported beside), next to plain copies
// of the same bytes: memcpy, out of the document, and through the document
// (the counter "bytes_per_second" gives MB/s).  Two texts: "synthetic"
// lines with tabs and blanks at random (the hardest case for branch
// prediction) and "headers", the system's C headers.  Each conversion also runs
// its nearest standard tool over the same text in a file ("peer_ms", its
// processor time, best of three; "x_peer" is ours over the peer's).
#include "editor/base/testing/recording_message_sink.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/heap_text_block.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/tab_conversion.h"
#include "editor/doc/testing/memory_file_system.h"
#include "header_corpus.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSize = 10u << 20;

enum class Sample { Synthetic, Headers };

std::string SyntheticText()
{
    std::mt19937 rng(3);
    const char* words[] = {"int",    "value", "=", "count",     "+",  "1;",   "if", "(x)",
                           "return", "{",     "}", "buffer[i]", "/*", "note", "*/"};
    std::string t;
    t.reserve(kSize + 200);
    while (t.size() < kSize) {
        t.append(rng() % 3, '\t');
        t.append((rng() % 2) * 8, ' ');
        for (std::size_t n = rng() % 12; n > 0; --n) {
            t += words[rng() % std::size(words)];
            t += ' ';
        }
        t += '\n';
    }
    t.resize(kSize);
    return t;
}

const std::string& SampleText(Sample sample)
{
    static const std::string synthetic = SyntheticText();
    static const std::string headers = HeaderCorpusText(kSize);
    return sample == Sample::Synthetic ? synthetic : headers;
}

// A sample in a file of its own for the peers, removed at exit.
class SampleFile {
public:
    explicit SampleFile(Sample sample)
        : m_path(std::filesystem::temp_directory_path() /
                 ("convert_bench_" + std::to_string(static_cast<int>(sample)) + ".txt"))
    {
        std::ofstream(m_path, std::ios::binary) << SampleText(sample);
    }
    ~SampleFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

double PeerSeconds(const char* tool, Sample sample)
{
    static const SampleFile synthetic(Sample::Synthetic);
    static const SampleFile headers(Sample::Headers);
    const SampleFile& file = sample == Sample::Synthetic ? synthetic : headers;
    const std::string command =
        "LC_ALL=C " + std::string(tool) + " < '" + file.Path().string() + "' > /dev/null";
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const double before = ChildrenCpuSeconds();
        if (std::system(command.c_str()) != 0)
            return 0;
        best = std::min(best, ChildrenCpuSeconds() - before);
    }
    return best;
}

struct Doc {
    RecordingMessageSink messages;
    MemoryFileSystem files;
    HeapTextBlockFactory blocks;
    FixedDocSettings settings;
    MarlDocCore doc{DocServices{messages, files, blocks, settings}};

    explicit Doc(Sample sample)
    {
        doc.OnNewDocument();
        doc.InsertString(0, SampleText(sample), 1);
    }
};

void BM_PlainCopy(benchmark::State& state, Sample sample)
{
    const std::string& text = SampleText(sample);
    std::vector<char> out(text.size());
    for (auto _ : state) {
        std::memcpy(out.data(), text.data(), text.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The range copied out of the document into a fresh string, as every
// conversion does once.
void BM_CopyOut(benchmark::State& state, Sample sample)
{
    Doc d(sample);
    for (auto _ : state) {
        std::string out;
        d.doc.GetText(0, kSize, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

// The range replaced by a copy of itself through the document: the journal
// record and the writes that every conversion of variable length makes.
void BM_ReplaceWithCopy(benchmark::State& state, Sample sample)
{
    Doc d(sample);
    int line = 0;
    const std::string& text = SampleText(sample);
    for (auto _ : state) {
        d.doc.ReplaceText(0, kSize, text, 1);
        state.PauseTiming();
        d.doc.Undo(line);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

// The tab conversions alone, from one buffer to another: what the document
// adds around them is the difference to the rows below.
void BM_ExpandTabsKernel(benchmark::State& state, Sample sample)
{
    const std::string& text = SampleText(sample);
    std::vector<char> out(tab_conversion::ExpandedSizeBound(text, 8));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tab_conversion::ExpandTabsTo(text, 8, out.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_CompressBlanksKernel(benchmark::State& state, Sample sample)
{
    const std::string& text = SampleText(sample);
    std::vector<char> out(text.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(tab_conversion::CompressBlanksTo(text, 8, out.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Each iteration converts and undoes, so the document is the same each time;
// the conversion is timed, and its undo is reported beside it.
template <typename Convert>
void RunConversion(benchmark::State& state, Sample sample, const char* peer, Convert convert)
{
    const double peerSeconds = PeerSeconds(peer, sample);
    Doc d(sample);
    int line = 0;
    double undoSeconds = 0;
    const std::clock_t began = std::clock();
    for (auto _ : state) {
        convert(d.doc);
        state.PauseTiming();
        auto start = std::chrono::steady_clock::now();
        d.doc.Undo(line);
        undoSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
    state.counters["undo_MB/s"] =
        static_cast<double>(state.iterations()) * kSize / undoSeconds / 1e6;
    state.counters["undo_records"] = static_cast<double>(d.doc.UndoCount());
    // Processor time per conversion, the undo taken out.
    const double ours = (double(std::clock() - began) / CLOCKS_PER_SEC - undoSeconds) /
                        static_cast<double>(state.iterations());
    state.counters["peer_ms"] = peerSeconds * 1000;
    if (peerSeconds > 0)
        state.counters["x_peer"] = ours / peerSeconds;
}

void BM_Uppercase(benchmark::State& state, Sample sample)
{
    RunConversion(state, sample, "tr a-z A-Z",
                  [](MarlDocCore& doc) { doc.ConvertCase(0, kSize, true, 1); });
}

void BM_TabsToBlanks(benchmark::State& state, Sample sample)
{
    RunConversion(state, sample, "expand -t 8",
                  [](MarlDocCore& doc) { doc.TabsToBlanks(0, kSize, 1); });
}

void BM_BlanksToTabs(benchmark::State& state, Sample sample)
{
    RunConversion(state, sample, "unexpand -a -t 8",
                  [](MarlDocCore& doc) { doc.BlanksToTabs(0, kSize, 1); });
}

void BM_Reformat(benchmark::State& state, Sample sample)
{
    RunConversion(state, sample, "fmt -w 60",
                  [](MarlDocCore& doc) { doc.ReformatRange(0, kSize, 60, false, 1); });
}

BENCHMARK_CAPTURE(BM_PlainCopy, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainCopy, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CopyOut, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CopyOut, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplaceWithCopy, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplaceWithCopy, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExpandTabsKernel, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExpandTabsKernel, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompressBlanksKernel, synthetic, Sample::Synthetic)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompressBlanksKernel, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Uppercase, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Uppercase, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TabsToBlanks, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TabsToBlanks, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BlanksToTabs, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BlanksToTabs, headers, Sample::Headers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Reformat, synthetic, Sample::Synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Reformat, headers, Sample::Headers)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
