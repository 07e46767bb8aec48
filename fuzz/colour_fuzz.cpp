// Any text through the colouring scanner, the paint-line expansion and the
// comment state at the top: runs cover each line, undrawn rows carry the
// same state as drawn ones, the remembered top state equals the walk, and
// nothing outgrows the paint buffer.
#include "editor/view/colour_scanner.h"
#include "editor/view/comment_walk.h"
#include "editor/view/paint_line.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    StringViewText view(text);
    TopCommentTracker tracker;
    std::vector<ColourRun> runs;
    PaintLine shown;
    bool inComment = false;
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lf = text.find('\n', lineStart);
        std::size_t lineEnd = lf == std::string::npos ? text.size() : lf;
        std::string_view line(text.data() + lineStart, lineEnd - lineStart);

        if (tracker.StateAt(view, static_cast<TextPos>(lineStart)) !=
            CommentStateByWalk(view, static_cast<TextPos>(lineStart)))
            std::abort();

        bool carried = CarryCommentState(line, inComment);
        ScanColouredLine(line, inComment, runs);
        if (carried != inComment)
            std::abort();
        std::size_t next = 0;
        for (const ColourRun& run : runs) {
            if (run.begin != next || run.length == 0)
                std::abort();
            next = run.begin + run.length;
        }
        if (next != line.size())
            std::abort();

        for (bool hidden : {false, true}) {
            ExpandForPaint(line, 1 + static_cast<int>(size % 32), hidden, shown);
            if (shown.text.size() > kPaintBufferSize)
                std::abort();
        }
        if (lf == std::string::npos)
            break;
        lineStart = lf + 1;
    }
    return 0;
}
