// OLE drag and drop of text for an editor window: the window as a drop
// target, and the data object and drop source of a drag out of it.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "framework/handles.h"

class CMarlView;

// CF_TEXT in global memory: the one format exchanged.
FORMATETC TextFormat();

class ViewDropTarget final : public IDropTarget {
public:
    explicit ViewDropTarget(CMarlView& view) : m_view(view) {}
    virtual ~ViewDropTarget() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    // The view owns the target: the counts only satisfy the protocol.
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt,
                                   DWORD* effect) override;

private:
    // Copy with Ctrl, else move, as far as the source allows either.
    DWORD EffectFor(DWORD keys, DWORD allowed) const;
    // The caret goes where the mouse is, as by a click.
    void FollowMouse(POINTL pt);

    CMarlView& m_view;
    ULONG m_refs = 1;
    bool m_accept = false;
};

// A text in the clipboard form offered as CF_TEXT; the object takes the
// memory.  Reference counted as COM wants (the drop target may keep it).
class TextDataObject final : public IDataObject {
public:
    explicit TextDataObject(fw::GlobalMemory text) : m_text(std::move(text)) {}
    virtual ~TextDataObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (out)
            out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    fw::GlobalMemory m_text;
    ULONG m_refs = 1;
};

class TextDropSource final : public IDropSource {
public:
    virtual ~TextDropSource() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    ULONG m_refs = 1;
};
