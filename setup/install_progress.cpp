#include "setup/install_progress.h"

#include <algorithm>
#include <limits>

namespace {

std::int64_t ShareOfHundred(std::int64_t done, std::int64_t total)
{
    if (done <= 0)
        return 0;
    if (done >= total)
        return 100;
    // 0 < done < total: only totals beyond any real medium make done × 100
    // overflow, and there the lost digits of total / 100 do not count.
    if (done > std::numeric_limits<std::int64_t>::max() / 100)
        return done / (total / 100);
    return done * 100 / total;
}

} // namespace

std::int32_t ProgressPercent(std::int64_t done, std::int64_t total, std::size_t filesDone,
                             std::size_t fileCount)
{
    std::int64_t percent = 100;
    if (total > 0)
        percent = ShareOfHundred(done, total);
    else if (fileCount > 0)
        percent = ShareOfHundred(static_cast<std::int64_t>(filesDone),
                                 static_cast<std::int64_t>(fileCount));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(percent, 0, 100));
}
