#include "header_corpus.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

std::string HeaderCorpusText(std::size_t size)
{
    std::string headers;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             "/usr/include", std::filesystem::directory_options::skip_permission_denied)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".h")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        headers.append(std::istreambuf_iterator<char>(in), {});
        if (headers.size() > (24u << 20))
            break;
    }
    if (headers.empty())
        headers = "#include <stdio.h>\nint main(void) { size_t x; return 0; }\n";
    std::string text;
    text.reserve(size);
    while (text.size() < size)
        text.append(headers, 0, std::min(headers.size(), size - text.size()));
    return text;
}

HeaderCorpus::HeaderCorpus(const char* name)
{
    m_folder = std::filesystem::temp_directory_path() /
               (std::string(name) + "_" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::create_directories(m_folder);
    m_path = m_folder / "corpus.h";
    const std::string text = HeaderCorpusText(kSize);
    std::ofstream(m_path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

HeaderCorpus::~HeaderCorpus()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
