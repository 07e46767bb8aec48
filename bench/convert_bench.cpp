// Uppercase, tabs to blanks, blanks to tabs and reformat over a 10 MB
// selection of a document (their undo reported beside), next to plain copies
// of the same bytes: memcpy, out of the document, and through the document
// (the counter "bytes_per_second" gives MB/s).
#include "editor/base/testing/recording_message_sink.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/heap_text_block.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/tab_conversion.h"
#include "editor/doc/testing/memory_file_system.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSize = 10u << 20;

const std::string& SampleText()
{
    static const std::string text = [] {
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
    }();
    return text;
}

struct Doc {
    RecordingMessageSink messages;
    MemoryFileSystem files;
    HeapTextBlockFactory blocks;
    FixedDocSettings settings;
    MarlDocCore doc{DocServices{messages, files, blocks, settings}};

    Doc()
    {
        doc.OnNewDocument();
        doc.InsertString(0, SampleText(), 1);
    }
};

void BM_PlainCopy(benchmark::State& state)
{
    const std::string& text = SampleText();
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
void BM_CopyOut(benchmark::State& state)
{
    Doc d;
    for (auto _ : state) {
        std::string out;
        d.doc.GetText(0, kSize, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

// The range replaced by a copy of itself through the document: the journal
// record and the writes that every conversion of variable length makes.
void BM_ReplaceWithCopy(benchmark::State& state)
{
    Doc d;
    int line = 0;
    const std::string& text = SampleText();
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
void BM_ExpandTabsKernel(benchmark::State& state)
{
    const std::string& text = SampleText();
    std::vector<char> out(tab_conversion::ExpandedSizeBound(text, 8));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tab_conversion::ExpandTabsTo(text, 8, out.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_CompressBlanksKernel(benchmark::State& state)
{
    const std::string& text = SampleText();
    std::vector<char> out(text.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(tab_conversion::CompressBlanksTo(text, 8, out.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Each iteration converts and undoes, so the document is the same each time;
// the conversion is timed, and its undo is reported beside it.
template <typename Convert> void RunConversion(benchmark::State& state, Convert convert)
{
    Doc d;
    int line = 0;
    double undoSeconds = 0;
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
}

void BM_Uppercase(benchmark::State& state)
{
    RunConversion(state, [](MarlDocCore& doc) { doc.ConvertCase(0, kSize, true, 1); });
}

void BM_TabsToBlanks(benchmark::State& state)
{
    RunConversion(state, [](MarlDocCore& doc) { doc.TabsToBlanks(0, kSize, 1); });
}

void BM_BlanksToTabs(benchmark::State& state)
{
    RunConversion(state, [](MarlDocCore& doc) { doc.BlanksToTabs(0, kSize, 1); });
}

void BM_Reformat(benchmark::State& state)
{
    RunConversion(state, [](MarlDocCore& doc) { doc.ReformatRange(0, kSize, 60, false, 1); });
}

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyOut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceWithCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandTabsKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompressBlanksKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Uppercase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabsToBlanks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlanksToTabs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reformat)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
