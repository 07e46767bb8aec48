#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

#include "framework/callback_failure.h"
#include "framework/common_dialogs.h"
#include "framework/dialog.h"

namespace fw {

namespace {

const char kObjectProp[] = "fw.FindReplace";

void CopyText(char (&target)[FindReplaceDialog::kTextSize], const std::string& text)
{
    size_t n = std::min(text.size(), sizeof target - 1);
    std::memcpy(target, text.data(), n);
    target[n] = '\0';
}

} // namespace

FindReplaceDialog::~FindReplaceDialog()
{
    Destroy();
}

UINT FindReplaceDialog::Message()
{
    static const UINT message = RegisterWindowMessageA(FINDMSGSTRINGA);
    return message;
}

FindReplaceDialog* FindReplaceDialog::FromNotify(LPARAM lParam)
{
    const auto* data = reinterpret_cast<const FINDREPLACEA*>(lParam);
    // Only a structure of this layer carries the object.
    if (!data || data->lStructSize != sizeof(FINDREPLACEA) || data->lpfnHook != StaticHook)
        return nullptr;
    return reinterpret_cast<FindReplaceDialog*>(data->lCustData);
}

bool FindReplaceDialog::Create(const Options& options)
{
    if (m_hWnd)
        return false;
    CopyText(m_findWhat, options.findWhat);
    CopyText(m_replaceWith, options.replaceWith);
    m_data = FINDREPLACEA{};
    m_data.lStructSize = sizeof m_data;
    m_data.hwndOwner = options.owner;
    m_data.hInstance = GetModuleHandleA(nullptr);
    m_data.Flags = (options.flags & ~static_cast<DWORD>(FR_ENABLETEMPLATEHANDLE)) | FR_ENABLEHOOK;
    if (options.templateId) {
        m_data.Flags |= FR_ENABLETEMPLATE;
        m_data.lpTemplateName = MAKEINTRESOURCEA(options.templateId);
    }
    m_data.lpstrFindWhat = m_findWhat;
    m_data.wFindWhatLen = static_cast<WORD>(sizeof m_findWhat);
    m_data.lpstrReplaceWith = m_replaceWith;
    m_data.wReplaceWithLen = static_cast<WORD>(sizeof m_replaceWith);
    m_data.lCustData = reinterpret_cast<LPARAM>(this);
    m_data.lpfnHook = StaticHook;

    HWND hWnd = options.replace ? ReplaceTextA(&m_data) : FindTextA(&m_data);
    if (!hWnd)
        return false;
    m_hWnd = hWnd;
    // A custom template without WS_VISIBLE would leave the dialog hidden.
    if (!IsWindowVisible(hWnd))
        ShowWindow(hWnd, SW_SHOW);
    Dialog::RegisterModeless(hWnd);
    return true;
}

void FindReplaceDialog::Destroy()
{
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

UINT_PTR CALLBACK FindReplaceDialog::StaticHook(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<FindReplaceDialog*>(GetPropA(hWnd, kObjectProp));
    if (!self && msg == WM_INITDIALOG) {
        self = FromNotify(lParam);
        if (self) {
            self->m_hWnd = hWnd;
            SetPropA(hWnd, kObjectProp, self);
        }
    }
    if (!self)
        return msg == WM_INITDIALOG;
    // No exception may cross the platform's callback.
    try {
        return self->Hook(msg, wParam, lParam);
    } catch (...) {
        ReportCallbackFailure("find/replace hook");
    }
    return msg == WM_INITDIALOG;
}

UINT_PTR FindReplaceDialog::Hook(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog();
        // FALSE here would keep the dialog hidden.
        return TRUE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE
                                                                                         : FALSE;
    case WM_DESTROY:
        RemovePropA(m_hWnd, kObjectProp);
        Dialog::UnregisterModeless(m_hWnd);
        m_hWnd = nullptr;
        OnDestroyed();
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace fw
