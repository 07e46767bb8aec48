#include "editor/doc/doc_test_support.h"

#include <algorithm>

class LimitedBlockFactory::Block : public TextBlock {
public:
    Block(std::unique_ptr<HeapTextBlock> inner, LimitedBlockFactory& owner)
        : m_inner(std::move(inner)), m_owner(owner)
    {
    }
    std::size_t Size() const override { return m_inner->Size(); }
    char* Lock() override { return m_inner->Lock(); }
    void Unlock() override { m_inner->Unlock(); }
    bool Resize(std::size_t size) override
    {
        ++m_owner.resizes;
        return size <= m_owner.limit && m_inner->Resize(size);
    }

private:
    std::unique_ptr<HeapTextBlock> m_inner;
    LimitedBlockFactory& m_owner;
};

std::unique_ptr<TextBlock> LimitedBlockFactory::Allocate(std::size_t size)
{
    ++allocations;
    if (size > limit)
        return nullptr;
    std::unique_ptr<HeapTextBlock> inner = HeapTextBlock::Create(size);
    if (!inner)
        return nullptr;
    return std::make_unique<Block>(std::move(inner), *this);
}

void DocFixture::Load(std::string_view text)
{
    files.Put("T.TXT", std::string(text));
    EXPECT_TRUE(doc.OnOpenDocument("T.TXT"));
}

std::string DocFixture::Text() const
{
    std::string text;
    doc.GetText(0, doc.GetLength(), text);
    return text;
}

std::vector<std::string> DocFixture::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown)
        texts.push_back(shown.text);
    return texts;
}

::testing::AssertionResult LineCountMatches(const MarlDocCore& doc)
{
    std::string text;
    doc.GetText(0, doc.GetLength(), text);
    auto lineFeeds = std::count(text.begin(), text.end(), '\n');
    if (lineFeeds == doc.GetLineCount())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "line count " << doc.GetLineCount() << ", text has " << lineFeeds << " line feeds";
}
