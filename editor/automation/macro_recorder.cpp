#include "editor/automation/macro_recorder.h"

#include <algorithm>

MacroRecorder::MacroRecorder(TextBlockFactory& blocks, MacroInput& input)
    : m_blocks(blocks), m_input(input)
{
}

MacroRecorder::~MacroRecorder()
{
    Release();
}

MacroEvent MacroRecorder::EventAt(int index) const
{
    if (!m_data || index < 0 || index >= m_count)
        return {};
    return DecodeMacroEvent(m_data + static_cast<std::size_t>(index) * kMacroEventBytes);
}

bool MacroRecorder::EnsureBuffer()
{
    if (m_data)
        return true;
    m_block = m_blocks.Allocate(kMacroBufferBytes);
    if (!m_block)
        return false;
    // Locked for its whole life: the hooks write into it at any time.
    m_data = reinterpret_cast<unsigned char*>(m_block->Lock());
    if (!m_data)
        m_block.reset();
    return m_data != nullptr;
}

bool MacroRecorder::ToggleRecording()
{
    switch (m_state) {
    case MacroState::Idle: {
        m_state = MacroState::Recording;
        m_capturing = m_input.StartCapture();
        const bool buffer = EnsureBuffer();
        m_count = 0;
        // Without input or buffer the state stays at recording: the next
        // toggle returns it to idle.
        return m_capturing && buffer;
    }
    case MacroState::Recording:
        StopRecording();
        return true;
    default:
        return false;
    }
}

void MacroRecorder::StopRecording()
{
    // The last event is the key that stopped the recording.
    m_count = static_cast<std::int16_t>(std::max(m_count - 1, 0));
    if (m_capturing)
        m_input.StopCapture();
    m_capturing = false;
    m_state = MacroState::Idle;
}

void MacroRecorder::Record(const MacroEvent& event)
{
    if (m_state != MacroState::Recording || !m_data)
        return;
    if (event.message >= kMacroMouseFirst && event.message <= kMacroMouseLast)
        return;
    if (m_count >= kMacroRecordLimit)
        return;
    EncodeMacroEvent(event, m_data + static_cast<std::size_t>(m_count) * kMacroEventBytes);
    ++m_count;
}

bool MacroRecorder::Play()
{
    if (m_state == MacroState::Recording) {
        StopRecording();
        return false;
    }
    if (m_state != MacroState::Idle || !m_data || m_count <= 0)
        return false;
    m_state = MacroState::Playing;
    m_index = 0;
    if (!m_input.StartReplay()) {
        m_state = MacroState::Idle;
        return false;
    }
    return true;
}

std::optional<MacroEvent> MacroRecorder::CurrentEvent() const
{
    if (m_state != MacroState::Playing || m_index >= m_count)
        return std::nullopt;
    return EventAt(m_index);
}

void MacroRecorder::Skip()
{
    if (m_state != MacroState::Playing)
        return;
    ++m_index;
    // A load during playback may leave fewer events than the index.
    if (m_index >= m_count) {
        m_input.StopReplay();
        m_state = MacroState::Idle;
    }
}

void MacroRecorder::Pause()
{
    if (m_state == MacroState::Playing)
        m_state = MacroState::Paused;
}

void MacroRecorder::Resume()
{
    if (m_state == MacroState::Paused)
        m_state = MacroState::Playing;
}

std::span<const unsigned char> MacroRecorder::FileBytes() const
{
    if (!m_data)
        return {};
    return {m_data, static_cast<std::size_t>(m_count) * kMacroEventBytes};
}

bool MacroRecorder::Load(std::span<const unsigned char> bytes)
{
    if (!EnsureBuffer())
        return false;
    const std::size_t n = std::min(bytes.size(), kMacroBufferBytes);
    std::copy_n(bytes.begin(), n, m_data);
    m_count = static_cast<std::int16_t>(n / kMacroEventBytes);
    return true;
}

void MacroRecorder::Release()
{
    if (m_capturing)
        m_input.StopCapture();
    m_capturing = false;
    if (IsPlaying())
        m_input.StopReplay();
    m_state = MacroState::Idle;
    if (m_block) {
        m_block->Unlock();
        m_block.reset();
    }
    m_data = nullptr;
    m_count = 0;
    m_index = 0;
}
