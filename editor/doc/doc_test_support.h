// Shared pieces of the document tests: a document on an in-memory disk with
// recorded messages, and block factories that run out of memory on demand.
#pragma once
#include "editor/base/testing/recording_message_sink.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/heap_text_block.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/testing/memory_file_system.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Hands out heap blocks, refusing any that would exceed `limit` bytes, and
// counts what it was asked for.
class LimitedBlockFactory : public TextBlockFactory {
public:
    std::size_t limit = static_cast<std::size_t>(-1);
    int allocations = 0;
    int resizes = 0;

    std::unique_ptr<TextBlock> Allocate(std::size_t size) override;

private:
    class Block;
};

// The program's open documents, as a document asks about them.
struct ListedDocuments : OpenDocuments {
    std::vector<std::string> paths;
    std::vector<std::string> OpenPaths() override { return paths; }
};

struct DocFixture {
    RecordingMessageSink messages;
    MemoryFileSystem files;
    LimitedBlockFactory blocks;
    FixedDocSettings settings;
    ListedDocuments openDocuments;
    MarlDocCore doc{DocServices{messages, files, blocks, settings, &openDocuments}};

    DocFixture() { doc.OnNewDocument(); }

    // Loads `text` as the file "T.TXT" would be (line ends as they are when
    // the text has no CR LF pair), leaving an empty journal.
    void Load(std::string_view text);
    std::string Text() const;
    std::vector<std::string> MessageTexts() const;
};

// The document's line count agrees with its text.
::testing::AssertionResult LineCountMatches(const MarlDocCore& doc);
