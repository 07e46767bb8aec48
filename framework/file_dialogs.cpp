#include <algorithm>
#include <cstring>

#include "framework/common_dialogs.h"

namespace fw {

namespace {

// The NUL-terminated string at `pos`; `pos` moves behind its terminator.
// A string the buffer cuts off (no terminator) counts as absent: it would be
// a truncated name.
std::string_view NextString(std::string_view buffer, size_t& pos)
{
    if (pos >= buffer.size())
        return {};
    size_t end = buffer.find('\0', pos);
    if (end == std::string_view::npos) {
        pos = buffer.size();
        return {};
    }
    std::string_view s = buffer.substr(pos, end - pos);
    pos = end + 1;
    return s;
}

std::string JoinPath(std::string_view dir, std::string_view name)
{
    std::string path(dir);
    if (!path.empty() && path.back() != '\\' && path.back() != '/')
        path += '\\';
    path += name;
    return path;
}

std::vector<std::string> SplitBlankList(std::string_view list)
{
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = std::min(list.find(' ', pos), list.size());
        if (end > pos)
            parts.emplace_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

DWORD BaseFlags(const FileDialogOptions& o)
{
    DWORD flags = OFN_NOCHANGEDIR | o.extraFlags;
    if (o.explorerStyle)
        flags |= OFN_EXPLORER;
    if (o.multiSelect)
        flags |= OFN_ALLOWMULTISELECT;
    if (o.pathMustExist)
        flags |= OFN_PATHMUSTEXIST;
    if (!o.showReadOnly)
        flags |= OFN_HIDEREADONLY;
    if (o.readOnlyChecked)
        flags |= OFN_READONLY;
    if (o.templateId)
        flags |= OFN_ENABLETEMPLATE;
    if (o.hook)
        flags |= OFN_ENABLEHOOK;
    return flags;
}

const char* OrNull(const std::string& s)
{
    return s.empty() ? nullptr : s.c_str();
}

FileDialogResult Run(const FileDialogOptions& o, DWORD flags, BOOL(WINAPI* show)(LPOPENFILENAMEA))
{
    // Room for the list's double terminator whatever the caller asked for.
    std::vector<char> names(std::max<size_t>(o.bufferSize, 2), '\0');
    std::memcpy(names.data(), o.fileName.data(), std::min(o.fileName.size(), names.size() - 2));

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = o.owner;
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpstrFilter = o.filter.empty() ? nullptr : o.filter.c_str();
    ofn.nFilterIndex = o.filterIndex;
    ofn.lpstrFile = names.data();
    ofn.nMaxFile = static_cast<DWORD>(std::min<size_t>(names.size(), 0x7FFFFFFF));
    ofn.lpstrInitialDir = OrNull(o.initialDir);
    ofn.lpstrTitle = OrNull(o.title);
    ofn.Flags = flags;
    ofn.lpstrDefExt = OrNull(o.defaultExt);
    ofn.lCustData = o.hookData;
    ofn.lpfnHook = o.hook;
    ofn.lpTemplateName = o.templateId ? MAKEINTRESOURCEA(o.templateId) : nullptr;

    FileDialogResult result;
    if (!show(&ofn)) {
        result.error = CommDlgExtendedError();
        return result;
    }
    // The dialog may leave the buffer without a final terminator when full.
    std::string_view buffer(names.data(), names.size());
    result.paths = ParseFileNames(buffer, o.multiSelect, o.explorerStyle);
    result.readOnly = (ofn.Flags & OFN_READONLY) != 0;
    result.filterIndex = ofn.nFilterIndex;
    return result;
}

} // namespace

std::string MakeFilterList(const std::vector<FileFilter>& filters)
{
    std::string list;
    for (const FileFilter& f : filters) {
        list += f.description;
        list += '\0';
        list += f.mask;
        list += '\0';
    }
    // c_str() adds the second terminator; an empty list stays empty.
    return list;
}

std::vector<FileFilter> SplitFilterList(std::string_view list)
{
    std::vector<FileFilter> filters;
    size_t pos = 0;
    for (;;) {
        std::string_view description = NextString(list, pos);
        if (description.empty())
            break;
        std::string_view mask = NextString(list, pos);
        if (mask.empty()) // unpaired, or cut off by the buffer's end
            break;
        filters.push_back({std::string(description), std::string(mask)});
    }
    return filters;
}

std::vector<std::string> ParseFileNames(std::string_view buffer, bool multiSelect,
                                        bool explorerStyle)
{
    size_t pos = 0;
    std::string_view first = NextString(buffer, pos);
    if (first.empty())
        return {};
    if (!multiSelect)
        return {std::string(first)};
    if (!explorerStyle) {
        std::vector<std::string> parts = SplitBlankList(first);
        if (parts.size() < 2)
            return {std::string(first)};
        std::vector<std::string> paths;
        for (size_t i = 1; i < parts.size(); ++i)
            paths.push_back(JoinPath(parts[0], parts[i]));
        return paths;
    }
    std::vector<std::string> paths;
    for (std::string_view name = NextString(buffer, pos); !name.empty();
         name = NextString(buffer, pos))
        paths.push_back(JoinPath(first, name));
    if (paths.empty())
        paths.emplace_back(first); // one file: its full path alone
    return paths;
}

FileDialogResult ShowOpenDialog(const FileDialogOptions& options)
{
    DWORD flags = BaseFlags(options);
    if (options.mustExist)
        flags |= OFN_FILEMUSTEXIST;
    return Run(options, flags, GetOpenFileNameA);
}

FileDialogResult ShowSaveDialog(const FileDialogOptions& options)
{
    DWORD flags = BaseFlags(options);
    if (options.overwritePrompt)
        flags |= OFN_OVERWRITEPROMPT;
    return Run(options, flags, GetSaveFileNameA);
}

} // namespace fw
