// The progress values of the install command, painted by the setup view.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

enum ProgressState : std::int32_t {
    kProgressIdle = 0,     // no copying in progress
    kProgressStarted = 1,  // copying has begun, the box is still to be drawn
    kProgressBoxDrawn = 2, // set by the painting code
};

struct InstallProgress {
    std::int32_t m_nProgressState = kProgressIdle;
    std::string m_strCurrentFile;
    // Sums of size fields: 64 bits, so that no total overflows the percentage.
    std::int64_t m_nTotal = 0;
    std::int64_t m_nDone = 0;
    std::int32_t m_nPercent = 0;
};

// done × 100 / total, kept within 0 to 100.  When the sizes add up to
// nothing, the share of files processed stands in, so the bar still ends at
// 100 percent.
std::int32_t ProgressPercent(std::int64_t done, std::int64_t total, std::size_t filesDone,
                             std::size_t fileCount);
