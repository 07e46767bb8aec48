// CPersistentApp: an application that remembers its desktop: at exit the
// files of its editor windows with their placements and stacking order, at
// the next start the same documents in the same windows.  The windows take
// part through CPerMultiDocTemplate, CPerMainFrame and CPerMDIChildWnd.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/application.h"

class CPerMDIChildWnd;
class Profile;

class CPersistentApp : public fw::Application {
public:
    // The running application when it is one, else null.
    static CPersistentApp* Current();

    // The registered template with resource id `id`, or null.
    fw::DocTemplate* FindTemplate(UINT id) const;
    // 0 when the desktop is not saved, otherwise the next key (1, 2, ...).
    int NextDesktopKey();
    // Opens the documents of the last saved desktop, bottom-most first; a
    // document that cannot be opened is reported by its open and skipped.
    bool RestoreDesktop();
    // The exit snapshot, then the framework's questions about each modified
    // document.
    bool SaveAllModified() override;
    // The z-order text written at exit (the keys bottom-most first); none
    // when the snapshot could not be taken and the stored one stays.
    std::optional<std::string> DesktopZOrder() const;

    // The profile the desktop is kept in; null while there is none.
    virtual ::Profile* DesktopProfile() = 0;

    // An editor window going away records its entry (while saving).
    void SaveChildEntry(CPerMDIChildWnd& child);

    std::int32_t m_nDesktopFlag = 1; // whether the desktop is saved at exit
    std::int32_t m_bSaving = 0;      // the snapshot was taken: entries are written
    std::int32_t m_nKeyCounter = 0;  // the last key handed out
    // One slot per editor window of the snapshot, topmost first.
    std::vector<std::string> m_zOrder;

private:
    void TakeSnapshot(::Profile& profile);
    // The profile refused the snapshot: the stored desktop is kept.
    bool m_bKeptDesktop = false;
};
