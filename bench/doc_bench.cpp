// The document on a 100 MB text: loading and saving against a plain fread
// and fwrite of the same file in the same run, typing, undo and caret
// motions in the middle of it, and the memory the text takes.
#include "editor/base/message_sink.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/heap_text_block.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/std_file_system.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileSize = 100u << 20;

// A C-like text with CR LF line ends, written once per run.
class BigFile {
public:
    static BigFile& Get()
    {
        static BigFile file;
        return file;
    }

    const std::string& Path() const { return m_path; }
    const std::string& OutPath() const { return m_out; }
    std::size_t Size() const { return m_size; }

private:
    BigFile()
    {
        fs::path dir = fs::temp_directory_path() / "doc_bench";
        fs::create_directories(dir);
        m_path = (dir / "BIG.C").string();
        m_out = (dir / "OUT.C").string();
        std::mt19937 rng(1);
        const char* words[] = {"int", "value", "=",      "count", "+",           "1;",
                               "if",  "(x)",   "return", "{",     "}",           "buffer[i]",
                               "/*",  "note",  "*/",     "while", "\xE4\xF6\xFC"};
        std::string text;
        text.reserve(kFileSize + 200);
        while (text.size() < kFileSize) {
            std::size_t indent = rng() % 4;
            text.append(indent, '\t');
            std::size_t n = rng() % 12;
            for (std::size_t i = 0; i < n; ++i) {
                text += words[rng() % std::size(words)];
                text += ' ';
            }
            text += "\r\n";
        }
        std::FILE* f = std::fopen(m_path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        m_size = text.size();
    }

    std::string m_path;
    std::string m_out;
    std::size_t m_size = 0;
};

struct QuietSink : MessageSink {
    MessageAnswer ShowMessage(std::string_view, MessageIcon, MessageButtons) override
    {
        return MessageAnswer::No;
    }
};

struct Services {
    QuietSink messages;
    StdFileSystem files;
    HeapTextBlockFactory blocks;
    FixedDocSettings settings;
    Services() { settings.backup = false; }
    DocServices Get() { return DocServices{messages, files, blocks, settings}; }
};

// A loaded document, shared by the editing benchmarks.
struct LoadedDoc {
    Services services;
    MarlDocCore doc{services.Get()};
    LoadedDoc()
    {
        doc.OnNewDocument();
        if (!doc.OnOpenDocument(BigFile::Get().Path()))
            std::abort();
    }
};

void BM_Load_FreadBaseline(benchmark::State& state)
{
    const BigFile& file = BigFile::Get();
    for (auto _ : state) {
        std::FILE* f = std::fopen(file.Path().c_str(), "rb");
        std::unique_ptr<char, decltype(&std::free)> buffer(
            static_cast<char*>(std::malloc(file.Size())), &std::free);
        std::size_t got = std::fread(buffer.get(), 1, file.Size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(buffer.get());
        if (got != file.Size())
            state.SkipWithError("short read");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.Size()));
}
BENCHMARK(BM_Load_FreadBaseline)->Unit(benchmark::kMillisecond);

void BM_Load_Document(benchmark::State& state)
{
    const BigFile& file = BigFile::Get();
    Services services;
    double ratio = 0;
    for (auto _ : state) {
        MarlDocCore doc(services.Get());
        if (!doc.OnOpenDocument(file.Path()))
            state.SkipWithError("load failed");
        ratio = static_cast<double>(doc.GetBlockSize()) / doc.GetLength();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.Size()));
    state.counters["block/text"] = ratio;
}
BENCHMARK(BM_Load_Document)->Unit(benchmark::kMillisecond);

void BM_Save_FwriteBaseline(benchmark::State& state)
{
    const BigFile& file = BigFile::Get();
    std::vector<char> bytes(file.Size(), 'x');
    for (auto _ : state) {
        std::FILE* f = std::fopen(file.OutPath().c_str(), "wb");
        std::size_t put = std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        if (put != bytes.size())
            state.SkipWithError("short write");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.Size()));
}
BENCHMARK(BM_Save_FwriteBaseline)->Unit(benchmark::kMillisecond);

void BM_Save_Document(benchmark::State& state)
{
    const BigFile& file = BigFile::Get();
    LoadedDoc loaded;
    for (auto _ : state) {
        if (!loaded.doc.OnSaveDocument(file.OutPath()))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.Size()));
    if (fs::file_size(file.OutPath()) != file.Size())
        state.SkipWithError("saved file differs in size");
}
BENCHMARK(BM_Save_Document)->Unit(benchmark::kMillisecond);

using Clock = std::chrono::steady_clock;

double Micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// 10,000 keys typed at one place in the middle; the first key brings the gap
// there (and may grow the block), the others are what typing costs.
void BM_Type10000InTheMiddle(benchmark::State& state)
{
    LoadedDoc loaded;
    MarlDocCore& doc = loaded.doc;
    double first = 0, slowest = 0, total = 0;
    std::int64_t keys = 0;
    for (auto _ : state) {
        TextPos pos = doc.LineStart(doc.GetLength() / 2);
        int line = doc.CountLines(0, pos) + 1;
        for (int i = 0; i < 10000; ++i) {
            char c = i % 61 == 60 ? '\n' : static_cast<char>('a' + i % 26);
            auto start = Clock::now();
            pos += static_cast<TextPos>(doc.InsertChar(pos, c, line));
            double us = Micros(Clock::now() - start);
            if (i == 0)
                first = std::max(first, us);
            else
                slowest = std::max(slowest, us);
            total += us;
            line += c == '\n';
        }
        keys += 10000;
    }
    state.counters["first_key_us"] = first;
    state.counters["slowest_other_key_us"] = slowest;
    state.counters["mean_key_us"] = total / static_cast<double>(keys);
    state.counters["block/text"] = static_cast<double>(doc.GetBlockSize()) / doc.GetLength();
}
BENCHMARK(BM_Type10000InTheMiddle)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UndoInTheMiddle(benchmark::State& state)
{
    LoadedDoc loaded;
    MarlDocCore& doc = loaded.doc;
    TextPos pos = doc.LineStart(doc.GetLength() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 200; ++i)
            doc.InsertChar(pos + static_cast<TextPos>(i), 'x', 1);
        state.ResumeTiming();
        int line = 0;
        for (int i = 0; i < 200; ++i)
            benchmark::DoNotOptimize(doc.Undo(line));
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_UndoInTheMiddle)->Unit(benchmark::kMicrosecond);

// Caret motions three quarters into the text, with the gap left in the
// middle by typing: the queries read across the gap instead of closing it.
class Motions {
public:
    static Motions& Get()
    {
        static Motions motions;
        return motions;
    }
    MarlDocCore& Doc() { return m_loaded.doc; }
    TextPos Where() const { return m_where; }

private:
    Motions()
    {
        MarlDocCore& doc = m_loaded.doc;
        TextPos middle = doc.LineStart(doc.GetLength() / 2);
        doc.InsertString(middle, "typed here\n", 1);
        m_where = doc.LineStart(doc.GetLength() / 4 * 3) + 5;
    }
    LoadedDoc m_loaded;
    TextPos m_where = 0;
};

void BM_Motion_LineDown(benchmark::State& state)
{
    MarlDocCore& doc = Motions::Get().Doc();
    TextPos pos = Motions::Get().Where();
    for (auto _ : state) {
        TextPos next = doc.MoveLines(pos, 1);
        int col = doc.PosOfColumn(next, 9);
        benchmark::DoNotOptimize(col);
        pos = next;
    }
}
BENCHMARK(BM_Motion_LineDown);

void BM_Motion_LineUp(benchmark::State& state)
{
    MarlDocCore& doc = Motions::Get().Doc();
    TextPos pos = Motions::Get().Where();
    for (auto _ : state) {
        TextPos next = doc.MoveLines(pos, -1);
        int col = doc.PosOfColumn(next, 9);
        benchmark::DoNotOptimize(col);
        pos = next;
    }
}
BENCHMARK(BM_Motion_LineUp);

void BM_Motion_WordRightLeft(benchmark::State& state)
{
    MarlDocCore& doc = Motions::Get().Doc();
    TextPos pos = Motions::Get().Where();
    for (auto _ : state) {
        pos = doc.WordRight(pos);
        benchmark::DoNotOptimize(doc.WordLeft(pos));
    }
}
BENCHMARK(BM_Motion_WordRightLeft);

void BM_Motion_ColumnOfPos(benchmark::State& state)
{
    MarlDocCore& doc = Motions::Get().Doc();
    TextPos pos = doc.LineEnd(Motions::Get().Where());
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.ColumnOfPos(pos));
}
BENCHMARK(BM_Motion_ColumnOfPos);

void BM_RecountLines(benchmark::State& state)
{
    MarlDocCore& doc = Motions::Get().Doc();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.RecountLines());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.GetLength()));
}
BENCHMARK(BM_RecountLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
