// Running out of memory while compiling: every allocation so far is released
// and the pattern fails as an invalid one would.  This program replaces the
// global allocator, so it is a test program of its own.
#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/pattern_compiler.h"
#include "editor/search/pattern_search.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

long g_allocations = 0;
long g_live = 0;
long g_failAt = 0; // the allocation to refuse, counted from 1; 0 refuses none

} // namespace

void* operator new(std::size_t size)
{
    if (++g_allocations == g_failAt)
        throw std::bad_alloc();
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    ++g_live;
    return block;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* block) noexcept
{
    if (block)
        --g_live;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

namespace {

constexpr std::string_view kPattern = "^[a-c]+x.*[^0-9]*\\0x41$";

long AllocationsToCompile()
{
    g_allocations = 0;
    std::optional<CompiledPattern> list = CompilePattern(kPattern);
    EXPECT_TRUE(list);
    return g_allocations;
}

} // namespace

TEST(PatternMemory, EveryRefusedAllocationFailsTheCompileAndLeaksNothing)
{
    const long needed = AllocationsToCompile();
    ASSERT_GT(needed, 8);
    for (long refused = 1; refused <= needed; ++refused) {
        SCOPED_TRACE(testing::Message() << "allocation " << refused << " refused");
        testing::internal::CaptureStderr();
        long liveBefore = g_live;
        g_allocations = 0;
        g_failAt = refused;
        bool compiled = CompilePattern(kPattern).has_value();
        g_failAt = 0;
        long leaked = g_live - liveBefore;
        std::string written = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(compiled);
        EXPECT_EQ(leaked, 0);
        EXPECT_EQ(written, "grep : Out of memory\n");
    }
}

TEST(PatternMemory, UserSeesTheInvalidPatternMessage)
{
    const long needed = AllocationsToCompile();
    testing::internal::CaptureStderr();
    RecordingMessageSink sink;
    sink.shown.reserve(1);
    g_allocations = 0;
    g_failAt = needed;
    std::optional<std::size_t> start = FindMatchStart(kPattern, "abcx-A", sink);
    g_failAt = 0;
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(start, std::nullopt);
    EXPECT_TRUE(PatternError);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, "Invalid regular expression");

    RecordingMessageSink quiet;
    EXPECT_EQ(FindMatchStart(kPattern, "abcx-A", quiet), 0u);
    EXPECT_FALSE(PatternError);
}
