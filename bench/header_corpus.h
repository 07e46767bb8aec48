// The 100 MB corpus the search benchmarks share: the system's C headers,
// repeated, in a temporary folder that lives as long as the object.
#pragma once
#include <cstddef>
#include <filesystem>
#include <string>

// The system's C headers, repeated up to `size` bytes.
std::string HeaderCorpusText(std::size_t size);

class HeaderCorpus {
public:
    static constexpr std::size_t kSize = 100u << 20;

    explicit HeaderCorpus(const char* name);
    HeaderCorpus(const HeaderCorpus&) = delete;
    HeaderCorpus& operator=(const HeaderCorpus&) = delete;
    ~HeaderCorpus();

    const std::filesystem::path& Folder() const { return m_folder; }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_path;
};

// Processor time of the children waited for so far (the peer programs).
double ChildrenCpuSeconds();
