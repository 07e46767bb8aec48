// Names derived from a document's path.  Paths are the platform's: both
// '\' and '/' separate directories.
#pragma once
#include <string>
#include <string_view>

namespace file_names {

// The part after the last directory separator.
std::string_view FileNamePart(std::string_view path);

// The automatic-save copy beside the file: MAIN.C -> MAIN.~C,
// NOTES -> NOTES.~, MAIN.CPP -> MAIN.CP~.  Names may clash: MAIN.CP~ is its
// own copy, PAGE.HTM and PAGE.HTML share PAGE.HT~.
std::string TempCopyName(std::string_view path);

// MAIN.C -> MAIN.BAK; a name without a dot gets ".BAK" appended.
std::string BackupName(std::string_view path);

// Whether saving `path` makes a backup at all (not of a backup file, in
// any case of letters: "notes.bak" is its own backup name).
bool IsBackupFile(std::string_view path);

// File names on the platform ignore case.
bool SameName(std::string_view a, std::string_view b);

// Where a save is written before it replaces the file: same directory, so
// the replacement is a rename on the same volume.
std::string SaveScratchName(std::string_view path);

// The document's title and its tab-bar entry: the full path or the file
// name part, "Untitled" without a path.
std::string TitleFor(std::string_view path);
std::string TabNameFor(std::string_view path);

// The file a mailed document is written to: its name in `tempDirectory`.
std::string MailCopyPath(std::string_view tempDirectory, std::string_view path);

} // namespace file_names
