#include "editor/app/macro_commands.h"

#include <vector>

#include "framework/application.h"
#include "framework/common_dialogs.h"

namespace {

// The file dialogs must leave the process's directory as it was.
class KeepCurrentDirectory {
public:
    KeepCurrentDirectory()
    {
        char directory[MAX_PATH] = {};
        const DWORD n = GetCurrentDirectoryA(sizeof directory, directory);
        if (n > 0 && n < sizeof directory)
            m_directory = directory;
    }
    ~KeepCurrentDirectory()
    {
        if (!m_directory.empty())
            SetCurrentDirectoryA(m_directory.c_str());
    }
    KeepCurrentDirectory(const KeepCurrentDirectory&) = delete;
    KeepCurrentDirectory& operator=(const KeepCurrentDirectory&) = delete;

private:
    std::string m_directory;
};

} // namespace

CMacroCommands::CMacroCommands()
{
    m_keyboard.Attach(m_recorder);
}

CMacroCommands::~CMacroCommands()
{
    m_recorder.Release();
}

void CMacroCommands::StartRecording()
{
    if (!m_recorder.IsRecording())
        m_recorder.ToggleRecording();
}

void CMacroCommands::StopRecording()
{
    if (m_recorder.IsRecording())
        m_recorder.ToggleRecording();
}

void CMacroCommands::Play()
{
    m_recorder.Play();
}

bool CMacroCommands::Save(std::string& path)
{
    // Saved already, or loaded from there.
    if (!path.empty())
        return false;
    const std::optional<std::string> chosen = ChooseFile(true);
    if (!chosen)
        return false;
    path = *chosen;
    return WriteMacroFile(path, m_recorder);
}

bool CMacroCommands::Load(std::string& path)
{
    const std::optional<std::string> chosen = ChooseFile(false);
    if (!chosen)
        return false;
    path = *chosen;
    return ReadMacroFile(path, m_recorder);
}

std::optional<std::string> CMacroCommands::ChooseFile(bool save)
{
    KeepCurrentDirectory keep;
    fw::FileDialogOptions options;
    if (fw::Application* app = fw::Application::Current())
        options.owner = app->GetMainWnd();
    options.title = save ? "Save Macro as" : "Load Macro";
    options.filter = fw::MakeFilterList({{"Macro files (*.mac)", "*.mac"}});
    options.bufferSize = 4096;
    options.mustExist = !save;
    options.overwritePrompt = save;
    options.showReadOnly = false;
    const fw::FileDialogResult result =
        save ? fw::ShowSaveDialog(options) : fw::ShowOpenDialog(options);
    if (!result)
        return std::nullopt;
    return result.paths.front();
}

bool WriteMacroFile(const std::string& path, const MacroRecorder& recorder)
{
    fw::File file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    const auto bytes = recorder.FileBytes();
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool ReadMacroFile(const std::string& path, MacroRecorder& recorder)
{
    fw::File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    std::vector<unsigned char> bytes(kMacroBufferBytes);
    DWORD total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total),
                      &got, nullptr))
            return false;
        if (got == 0)
            break;
        total += got;
    }
    bytes.resize(total);
    return recorder.Load(bytes);
}
