// Any bytes as a macro file: the load keeps n / 20 whole records of the
// first 20480 bytes, saving writes exactly those bytes back, and playing
// delivers every record once, as it decodes.
#include "editor/automation/macro_recorder.h"
#include "editor/doc/heap_text_block.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "macro_fuzz: %s\n", what);
        std::abort();
    }
}

struct NoInput : MacroInput {
    bool StartCapture() override { return true; }
    void StopCapture() override {}
    bool StartReplay() override { return true; }
    void StopReplay() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    NoInput input;
    HeapTextBlockFactory blocks;
    MacroRecorder recorder(blocks, input);
    Check(recorder.Load({data, size}), "load");
    const std::size_t kept = std::min(size, kMacroBufferBytes) / kMacroEventBytes;
    Check(recorder.Count() == static_cast<int>(kept), "count");
    const auto saved = recorder.FileBytes();
    Check(saved.size() == kept * kMacroEventBytes, "saved size");
    Check(std::equal(saved.begin(), saved.end(), data), "saved bytes");

    std::size_t played = 0;
    if (recorder.Play()) {
        while (auto event = recorder.CurrentEvent()) {
            unsigned char bytes[kMacroEventBytes];
            EncodeMacroEvent(*event, bytes);
            Check(std::equal(bytes, bytes + kMacroEventBytes, data + played * kMacroEventBytes),
                  "played record");
            ++played;
            recorder.Skip();
        }
    }
    Check(played == kept, "played count");
    Check(recorder.State() == MacroState::Idle, "idle after playing");
    return 0;
}
