// Find in files over a tree of about 5,000 files and 100 MB (the system's C
// headers copied flat into a few directories) against GNU grep -c over the
// same files in the same run: a plain search (grep -F) and a pattern search.
// Ratios are of processor time (ours / grep's), reading included.
#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/find_in_files.h"

#include <benchmark/benchmark.h>

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kDirectories = 5;
constexpr int kFiles = 5000;
constexpr std::size_t kTreeSize = 100u << 20;

fs::path g_root;
std::string g_field; // the directory field: the directories, ";"-separated

// The disk through the standard library; the core's paths use backslashes.
class StdFindFileSystem : public FindFileSystem {
public:
    bool ListDirectory(const std::string& directory, std::vector<DirectoryEntry>& entries) override
    {
        std::error_code error;
        entries.clear();
        for (const auto& entry : fs::directory_iterator(Native(directory), error)) {
            std::string name = entry.path().filename().string();
            entries.push_back({name, entry.is_directory(), name.starts_with("."), false});
        }
        return !error;
    }
    bool ReadFile(const std::string& path, std::string& bytes) override
    {
        FILE* file = std::fopen(Native(path).c_str(), "rb");
        if (!file)
            return false;
        std::fseek(file, 0, SEEK_END);
        bytes.resize(std::size_t(std::ftell(file)));
        std::fseek(file, 0, SEEK_SET);
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
        std::fclose(file);
        return true;
    }
    bool IsDirectory(const std::string& path) override { return fs::is_directory(Native(path)); }
    std::string FullPath(const std::string& path) override
    {
        return fs::absolute(Native(path)).string();
    }

private:
    static std::string Native(std::string path)
    {
        for (char& c : path)
            if (c == '\\')
                c = '/';
        return path;
    }
};

void WriteTree()
{
    std::vector<std::string> headers;
    for (const auto& entry : fs::recursive_directory_iterator(
             "/usr/include", fs::directory_options::skip_permission_denied)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".h")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        headers.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (headers.empty())
        headers.emplace_back("#include <stdio.h>\nint main(void) { size_t x; return 0; }\n");
    g_root = fs::temp_directory_path() /
             ("find_in_files_bench_" + std::to_string(static_cast<long>(getpid())));
    // Each file gathers headers until it has its share of the tree.
    const std::size_t share = kTreeSize / kFiles;
    std::size_t next = 0;
    for (int d = 0; d < kDirectories; ++d) {
        fs::path directory = g_root / ("dir" + std::to_string(d));
        fs::create_directories(directory);
        g_field += (d ? ";" : "") + directory.string();
        for (int f = 0; f < kFiles / kDirectories; ++f) {
            std::ofstream out(directory / ("h" + std::to_string(f) + ".h"), std::ios::binary);
            std::size_t written = 0;
            while (written < share) {
                const std::string& header = headers[next++ % headers.size()];
                const std::size_t piece = std::min(header.size(), share - written);
                out.write(header.data(), std::streamsize(piece));
                written += piece;
            }
        }
    }
}

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double OwnCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Run {
    long matchingLines = 0;
    double cpuSeconds = 0;
};

// grep -c prints "path:count" for every file; the counts are summed.
Run RunGrep(const char* options, const char* pattern)
{
    std::string command = "LC_ALL=C grep -r -a -c " + std::string(options) + " -e '" + pattern +
                          "' --include='*.h' '" + g_root.string() + "'";
    double before = ChildrenCpuSeconds();
    Run run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[4096];
        while (std::fgets(line, sizeof line, pipe))
            if (const char* colon = std::strrchr(line, ':'))
                run.matchingLines += std::atol(colon + 1);
        pclose(pipe);
    }
    run.cpuSeconds = ChildrenCpuSeconds() - before;
    return run;
}

Run RunOurs(const char* pattern, bool regularExpression)
{
    StdFindFileSystem disk;
    RecordingMessageSink sink;
    std::vector<SearchResult> results;
    double before = OwnCpuSeconds();
    FindInFiles({pattern, "*.h", g_field, false, regularExpression}, disk, sink, nullptr, results);
    return {long(results.size()), OwnCpuSeconds() - before};
}

void BM_FindInFiles(benchmark::State& state, const char* pattern, bool regularExpression)
{
    Run ours, grep;
    for (auto _ : state) {
        grep = RunGrep(regularExpression ? "-E" : "-F", pattern);
        auto began = std::chrono::steady_clock::now();
        ours = RunOurs(pattern, regularExpression);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    }
    state.counters["lines"] = double(ours.matchingLines);
    state.counters["grep_lines"] = double(grep.matchingLines);
    state.counters["ours_ms"] = ours.cpuSeconds * 1000;
    state.counters["grep_ms"] = grep.cpuSeconds * 1000;
    if (grep.cpuSeconds > 0)
        state.counters["x_grep"] = ours.cpuSeconds / grep.cpuSeconds;
}

} // namespace

BENCHMARK_CAPTURE(BM_FindInFiles, plain, "unsigned long", false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_FindInFiles, pattern, "^#define [A-Z_]+ ", true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    WriteTree();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(g_root, ignored);
    return 0;
}
