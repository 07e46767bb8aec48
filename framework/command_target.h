// Command routing: one numeric id space for menus, keys and tool buttons;
// declarative per-class command tables of handlers and update handlers.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class CommandTarget;

// What a routing step is asked for.
enum class CmdCode {
    Execute,    // run the command's handler
    Update,     // let the update handler set the item's state
    HasHandler, // only tell whether a handler exists
};

// The state of one user-interface item (menu item, tool button, status pane,
// dialog-bar control) as an update handler sets it.
class CmdUI {
public:
    explicit CmdUI(UINT id) : m_nID(id) {}
    virtual ~CmdUI() = default;
    CmdUI(const CmdUI&) = delete;
    CmdUI& operator=(const CmdUI&) = delete;

    virtual void Enable(bool on = true);
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int check = 1);
    virtual void SetRadio(bool on = true);
    virtual void SetText(std::string_view text);
    // An update handler may pass the item on to the next target.
    void ContinueRouting() { m_bContinueRouting = true; }

    // Routes the update through `target`.  With `disableIfNoHandler`, an
    // item whose update handler did not call Enable (or that has none) is
    // enabled exactly when some target has a handler for its command.  True
    // when anything handled it.
    bool DoUpdate(CommandTarget& target, bool disableIfNoHandler);

    UINT m_nID;
    // Position of the item in its menu, bar or pane list; an update handler
    // that inserts menu items (the recent files) moves them on.
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    HMENU m_pMenu = nullptr;
    bool m_bEnableChanged = false;
    bool m_bContinueRouting = false;
};

// The state update handlers set, recorded: command execution asks it
// whether a command may run, tests and dialog bars read it.
class StateCmdUI : public CmdUI {
public:
    using CmdUI::CmdUI;
    void Enable(bool on = true) override;
    void SetCheck(int check = 1) override;
    void SetRadio(bool on = true) override;
    void SetText(std::string_view text) override;

    bool m_bEnabled = true;
    int m_nCheck = -1; // untouched
    std::string m_text;
    bool m_bTextSet = false;
};

// One entry of a class's command table.
template <class T> struct CommandEntry {
    enum class Kind { Command, CommandRange, CommandEx, Update, UpdateRange };

    CommandEntry(UINT id, void (T::*fn)()) : first(id), last(id), kind(Kind::Command), command(fn)
    {
    }
    CommandEntry(UINT id, void (T::*fn)(CmdUI&))
        : first(id), last(id), kind(Kind::Update), update(fn)
    {
    }
    // A handler for a range of ids gets the id.
    CommandEntry(UINT lo, UINT hi, void (T::*fn)(UINT))
        : first(lo), last(hi), kind(Kind::CommandRange), commandRange(fn)
    {
    }
    CommandEntry(UINT lo, UINT hi, void (T::*fn)(CmdUI&))
        : first(lo), last(hi), kind(Kind::UpdateRange), update(fn)
    {
    }
    // A handler that may decline (return false) so that routing goes on.
    CommandEntry(UINT id, bool (T::*fn)(UINT))
        : first(id), last(id), kind(Kind::CommandEx), commandEx(fn)
    {
    }

    UINT first;
    UINT last;
    Kind kind;
    void (T::*command)() = nullptr;
    void (T::*commandRange)(UINT) = nullptr;
    bool (T::*commandEx)(UINT) = nullptr;
    void (T::*update)(CmdUI&) = nullptr;

    bool Covers(UINT id) const { return id >= first && id <= last; }
    bool IsUpdate() const { return kind == Kind::Update || kind == Kind::UpdateRange; }
};

// A class's command table:
//   bool CMyView::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
//   {
//       static const fw::CommandMap<CMyView> map{
//           {ID_EDIT_COPY, &CMyView::OnCopy},
//           {ID_EDIT_COPY, &CMyView::OnUpdateCopy},
//       };
//       return map.Dispatch(*this, id, code, ui) || fw::View::HandleCommand(id, code, ui);
//   }
template <class T> class CommandMap {
public:
    CommandMap(std::initializer_list<CommandEntry<T>> entries) : m_entries(entries) {}

    bool Dispatch(T& self, UINT id, CmdCode code, CmdUI* ui) const
    {
        for (const CommandEntry<T>& e : m_entries) {
            if (!e.Covers(id))
                continue;
            if (code == CmdCode::Update) {
                if (!e.IsUpdate() || !ui)
                    continue;
                ui->m_bContinueRouting = false;
                (self.*e.update)(*ui);
                if (!ui->m_bContinueRouting)
                    return true;
                continue;
            }
            if (e.IsUpdate())
                continue;
            if (code == CmdCode::HasHandler)
                return true;
            switch (e.kind) {
            case CommandEntry<T>::Kind::Command:
                (self.*e.command)();
                return true;
            case CommandEntry<T>::Kind::CommandRange:
                (self.*e.commandRange)(id);
                return true;
            case CommandEntry<T>::Kind::CommandEx:
                if ((self.*e.commandEx)(id))
                    return true;
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    std::vector<CommandEntry<T>> m_entries;
};

// Anything that can take part in command routing.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // Routes a command through this target and those standing behind it
    // (a view: itself, then its document).  True when handled.
    virtual bool OnCmdMsg(UINT id, CmdCode code, CmdUI* ui) { return HandleCommand(id, code, ui); }

    // Runs command `id` through this target's route unless an update
    // handler disables it: the one place that keeps a disabled command from
    // running, whether it came from a menu, a key or a tool button.
    enum class Run { Ran, Disabled, NotHandled };
    Run RunCommand(UINT id);
    // True when a handler ran.
    bool ExecuteCommand(UINT id) { return RunCommand(id) == Run::Ran; }

protected:
    // This object's own tables; derived classes chain to their base.
    virtual bool HandleCommand(UINT id, CmdCode code, CmdUI* ui);
};

} // namespace fw
