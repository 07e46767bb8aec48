// A compiled pattern: a singly linked list of elements, each a separate small
// allocation, as the matcher's callers and its own tests see it.
#pragma once
#include "editor/search/class_set.h"

#include <cstdint>
#include <memory>

enum class PatternKind : std::uint8_t {
    Literal = 'L',
    AnyChar = '.',
    CharClass = '[',
    NegatedClass = '!',
    AtLineStart = '^',
    AtLineEnd = '$',
    // Repeats the element that follows it; that operand's next is the rest.
    Closure = '*',
};

struct PatternElement {
    PatternKind kind = PatternKind::Literal;
    unsigned char literal = 0;     // Literal only
    std::unique_ptr<ClassSet> set; // the two class kinds only
    std::unique_ptr<PatternElement> next;
};

// Owns its list and releases it element by element, so that a long pattern
// never recurses deeply on the way out.
class CompiledPattern {
public:
    CompiledPattern() = default;
    CompiledPattern(CompiledPattern&& other) noexcept = default;
    CompiledPattern& operator=(CompiledPattern&& other) noexcept;
    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;
    ~CompiledPattern() { Release(); }

    const PatternElement* Head() const { return m_head.get(); }
    bool Empty() const { return m_head == nullptr; }

    // The link that holds the first element, for the compiler.
    std::unique_ptr<PatternElement>& HeadLink() { return m_head; }

    void Release() noexcept;

private:
    std::unique_ptr<PatternElement> m_head;
};

// Releases every element and every set an element owns; an empty list is fine.
inline void FreePattern(CompiledPattern& list)
{
    list.Release();
}
