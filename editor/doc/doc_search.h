// Searching a document's text, plain or with a pattern line by line, and
// replacing every match.  Positions are byte offsets; kNoPos is "none".
#pragma once
#include "editor/base/message_sink.h"
#include "editor/doc/marl_doc_core.h"

#include <string_view>

struct SearchFlags {
    bool matchCase = false;
    bool wholeWord = false; // plain search only
    bool down = true;
    bool regex = false;
};

// The first match of s starting at p or behind it (down), or at p or before
// it (up).  Without matchCase, A to Z equal a to z.  With wholeWord the
// characters on either side of a match must not be word characters.
TextPos SearchText(const MarlDocCore& doc, TextPos p, std::string_view s, bool matchCase,
                   bool wholeWord, bool down);

// The pattern matched against the rest of p's line; when it fails there, down
// goes on at the next line, up one character back.  Sets the document's
// last-match length.  An invalid pattern is reported through sink, sets
// PatternError and gives kNoPos.
TextPos SearchPattern(MarlDocCore& doc, TextPos p, std::string_view pattern, bool ignoreCase,
                      bool down, MessageSink& sink);

// Replaces every match from the start of the document (flags.down is not
// used) in one pass and one undoable edit.  A match is never looked for
// before the end of the previous one, and a pattern's empty match (at a line
// end) is replaced once; a pattern starting with "^" replaces once per line.
// Returns the position of the last replacement in the new text, or kNoPos.
TextPos ReplaceAll(MarlDocCore& doc, std::string_view find, std::string_view replace,
                   const SearchFlags& flags, MessageSink& sink, int line);
