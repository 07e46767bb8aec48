// The window's Find and Replace All on a 100 MB document of C headers,
// against sed (replacing) and grep -c (finding) on the same file in the same
// run.  Ratios are of processor time, ours / the peer's; the document after
// Replace All must hold exactly the bytes sed wrote (same_as_sed = 1).  The
// search target sits on the file's last line, so both sides read it all.
#include "editor/base/testing/recording_message_sink.h"
#include "editor/doc/doc_search.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/heap_text_block.h"
#include "editor/doc/std_file_system.h"
#include "header_corpus.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

const HeaderCorpus* g_corpus = nullptr;
constexpr char kMarker[] = "TRELVAN_LAST_LINE_MARK";

struct LoadedDoc {
    RecordingMessageSink messages;
    StdFileSystem files;
    HeapTextBlockFactory blocks;
    FixedDocSettings settings;
    MarlDocCore doc{DocServices{messages, files, blocks, settings}};

    explicit LoadedDoc(const std::filesystem::path& path)
    {
        doc.OnNewDocument();
        if (!doc.OnOpenDocument(path.string()))
            std::abort();
    }
};

double CpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// Runs a shell command; its processor time.
double RunPeer(const std::string& command, long* count = nullptr)
{
    double before = ChildrenCpuSeconds();
    if (FILE* pipe = popen(command.c_str(), "r")) {
        long n = -1;
        if (std::fscanf(pipe, "%ld", &n) != 1)
            n = -1;
        if (count)
            *count = n;
        pclose(pipe);
    }
    return ChildrenCpuSeconds() - before;
}

std::string Quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

void BM_ReplaceAll(benchmark::State& state, const char* find, const char* replace, bool regex)
{
    const std::filesystem::path out = g_corpus->Folder() / "sed.out";
    std::string script = std::string("s/") + find + "/" + replace + "/g";
    std::string sed = std::string("LC_ALL=C sed ") + (regex ? "-E " : "") + "'" + script + "' " +
                      Quoted(g_corpus->Path()) + " > " + Quoted(out);
    double ours = 0, peer = 0;
    bool same = false;
    for (auto _ : state) {
        state.PauseTiming();
        LoadedDoc loaded(g_corpus->Path());
        peer = RunPeer(sed);
        state.ResumeTiming();
        double began = CpuSeconds();
        TextPos last = ReplaceAll(loaded.doc, find, replace, {.matchCase = true, .regex = regex},
                                  loaded.messages, 1);
        ours = CpuSeconds() - began;
        state.PauseTiming();
        std::ifstream in(out, std::ios::binary);
        std::string expected{std::istreambuf_iterator<char>(in), {}};
        std::string text;
        loaded.doc.GetText(0, loaded.doc.GetLength(), text);
        same = last != kNoPos && text == expected;
        state.ResumeTiming();
    }
    state.counters["ours_ms"] = ours * 1000;
    state.counters["sed_ms"] = peer * 1000;
    state.counters["x_sed"] = peer > 0 ? ours / peer : 0;
    state.counters["same_as_sed"] = same ? 1 : 0;
}

void BM_Find(benchmark::State& state, const char* what, bool regex)
{
    LoadedDoc loaded(g_corpus->Path());
    std::string grep = std::string("LC_ALL=C grep -a -c ") + (regex ? "-E -e '" : "-F -e '") +
                       what + "' " + Quoted(g_corpus->Path());
    double ours = 0, peer = 0;
    long lines = 0;
    TextPos found = kNoPos;
    for (auto _ : state) {
        peer = RunPeer(grep, &lines);
        double began = CpuSeconds();
        found = regex ? SearchPattern(loaded.doc, 0, what, false, true, loaded.messages)
                      : SearchText(loaded.doc, 0, what, true, false, true);
        ours = CpuSeconds() - began;
    }
    state.counters["ours_ms"] = ours * 1000;
    state.counters["grep_ms"] = peer * 1000;
    state.counters["x_grep"] = peer > 0 ? ours / peer : 0;
    state.counters["found_in_last_line"] =
        found != kNoPos && found + 200 > loaded.doc.GetLength() && lines == 1 ? 1 : 0;
}

} // namespace

BENCHMARK_CAPTURE(BM_ReplaceAll, e_to_E, "e", "E", false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReplaceAll, size_t_to_SIZE_T, "size_t", "SIZE_T", false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReplaceAll, type_names_to_X, "[a-z]+_t", "X", true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Find, plain_at_end, kMarker, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_Find, pattern_at_end, "TRELVAN_[A-Z_]+_MARK", true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    HeaderCorpus corpus("search_bench");
    std::ofstream(corpus.Path(), std::ios::binary | std::ios::app) << kMarker << "\n";
    g_corpus = &corpus;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
