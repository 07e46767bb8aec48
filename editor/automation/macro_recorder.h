// The keyboard macro recorder and player: one macro at a time, kept as
// 20-byte event records in one 20480-byte movable block that is allocated
// on first use and lives until Release.  Where the input comes from and how
// it is replayed is the platform's business (MacroInput); this class keeps
// the states, the buffer, the counts and the file bytes.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "editor/automation/macro_event.h"
#include "editor/doc/text_block.h"

enum class MacroState { Idle = 0, Recording = 1, Playing = 2, Paused = 3 };

// The platform's input as the recorder drives it.
class MacroInput {
public:
    virtual ~MacroInput() = default;
    // From now on the editor's input events reach MacroRecorder::Record.
    virtual bool StartCapture() = 0;
    virtual void StopCapture() = 0;
    // From now on the player delivers CurrentEvent and calls Skip once it
    // has been used, until StopReplay.
    virtual bool StartReplay() = 0;
    virtual void StopReplay() = 0;
};

class MacroRecorder {
public:
    MacroRecorder(TextBlockFactory& blocks, MacroInput& input);
    ~MacroRecorder();
    MacroRecorder(const MacroRecorder&) = delete;
    MacroRecorder& operator=(const MacroRecorder&) = delete;

    MacroState State() const { return m_state; }
    bool IsRecording() const { return m_state == MacroState::Recording; }
    bool IsPlaying() const
    {
        return m_state == MacroState::Playing || m_state == MacroState::Paused;
    }
    int Count() const { return m_count; }
    bool HasBuffer() const { return m_data != nullptr; }
    MacroEvent EventAt(int index) const;

    // Starts recording when idle (true when the input and the buffer are
    // there), stops it when recording, does nothing while playing.
    bool ToggleRecording();
    // The input source's report of one event; kept only while recording.
    void Record(const MacroEvent& event);
    // Plays the macro when idle; while recording it ends the recording
    // instead; while playing it does nothing.  True when playing started.
    bool Play();

    // The player's side: the event to deliver now (none unless playing), the
    // current event used, playback held and let go again.
    std::optional<MacroEvent> CurrentEvent() const;
    void Skip();
    void Pause();
    void Resume();

    // The macro file: the recorded events as they are kept; loading takes at
    // most the first 20480 bytes and n / 20 events.  False when no buffer
    // could be had (the macro is then unchanged).
    std::span<const unsigned char> FileBytes() const;
    bool Load(std::span<const unsigned char> bytes);

    // Ends recording or playing and frees the buffer.
    void Release();

private:
    bool EnsureBuffer();
    void StopRecording();

    TextBlockFactory& m_blocks;
    MacroInput& m_input;
    std::unique_ptr<TextBlock> m_block;
    unsigned char* m_data = nullptr; // locked until Release
    MacroState m_state = MacroState::Idle;
    std::int16_t m_count = 0;
    std::int16_t m_index = 0;
    bool m_capturing = false;
};
