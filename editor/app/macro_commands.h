// The macro commands of the main frame served by the keyboard recorder:
// record, play, and the macro file's Save and Load dialogs.  One per
// process; the frame releases its buffer when it goes.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "editor/app/frame_hooks.h"
#include "editor/automation/macro_keyboard.h"
#include "editor/automation/macro_recorder.h"
#include "editor/doc/global_text_block.h"

class CMacroCommands : public MacroRecorderHook {
public:
    CMacroCommands();
    ~CMacroCommands() override;

    void StartRecording() override;
    void StopRecording() override;
    bool IsRecording() const override { return m_recorder.IsRecording(); }
    void Play() override;
    bool Save(std::string& path) override;
    bool Load(std::string& path) override;
    void Release() override { m_recorder.Release(); }

    MacroRecorder& Recorder() { return m_recorder; }

protected:
    // The file the user names in "Save Macro as" or "Load Macro"; none when
    // cancelled.  Tests answer it.
    virtual std::optional<std::string> ChooseFile(bool save);

private:
    GlobalTextBlockFactory m_blocks;
    MacroKeyboard m_keyboard;
    MacroRecorder m_recorder{m_blocks, m_keyboard};
};

// The macro file's bytes written to `path` (replaced, not shared while
// written) and read back (shared for reading, at most the buffer's size).
bool WriteMacroFile(const std::string& path, const MacroRecorder& recorder);
bool ReadMacroFile(const std::string& path, MacroRecorder& recorder);
