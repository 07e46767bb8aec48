// Whether a file changed behind the editor's back: its time on disk against
// the time the document recorded when it last read or wrote it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// File systems keep times to two seconds (FAT) or finer, and the recorded
// time may have been rounded: only more than a second apart counts.
inline bool ChangedOnDisk(std::int64_t recordedTime, std::int64_t diskTime)
{
    const std::int64_t diff = diskTime - recordedTime;
    return diff > 1 || diff < -1;
}

// The question: the path, one blank, then the string of the resources.
inline std::string ReloadQuestion(std::string_view path, std::string_view question)
{
    std::string text(path);
    text += ' ';
    text += question;
    return text;
}
