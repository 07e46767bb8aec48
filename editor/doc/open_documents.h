// What the document core asks about the program's other documents: two
// files can share one temporary-copy name (PAGE.HTM and PAGE.HTML both use
// PAGE.HT~), and a copy that another open document keeps is not this
// file's to offer.
#pragma once
#include <string>
#include <vector>

class OpenDocuments {
public:
    virtual ~OpenDocuments() = default;
    // The path names of the open documents (the asking one among them).
    virtual std::vector<std::string> OpenPaths() = 0;
};
