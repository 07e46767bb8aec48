// The data object and drop source of a drag of text out of a view.
#include "editor/view/view_drop_target.h"

#include <cstring>

#include <shlobj.h>

#include "framework/callback_failure.h"

FORMATETC TextFormat()
{
    return FORMATETC{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// ---- Data object and drop source ---------------------------------------------

HRESULT TextDataObject::QueryInterface(REFIID riid, void** object)
{
    if (riid == IID_IUnknown || riid == IID_IDataObject) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TextDataObject::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this; // COM lifetime: the last reference frees the object
    return left;
}

HRESULT TextDataObject::QueryGetData(FORMATETC* format)
{
    return fw::GuardedComCall("dragging text", [&]() -> HRESULT {
        if (!format || format->cfFormat != CF_TEXT || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        return S_OK;
    });
}

HRESULT TextDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    return fw::GuardedComCall("dragging text", [&]() -> HRESULT {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        // The receiver owns what it gets: hand out a copy.
        const SIZE_T size = m_text.Size();
        fw::GlobalMemory copy = fw::GlobalMemory::Alloc(size);
        if (!copy)
            return E_OUTOFMEMORY;
        {
            fw::GlobalLockGuard<char> from(m_text);
            fw::GlobalLockGuard<char> to(copy);
            if (!from || !to)
                return E_OUTOFMEMORY;
            std::memcpy(to.get(), from.get(), size);
        }
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy.release();
        medium->pUnkForRelease = nullptr;
        return S_OK;
    });
}

HRESULT TextDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out)
{
    return fw::GuardedComCall("dragging text", [&]() -> HRESULT {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC format = TextFormat();
        return SHCreateStdEnumFmtEtc(1, &format, out);
    });
}

HRESULT TextDropSource::QueryInterface(REFIID riid, void** object)
{
    if (riid == IID_IUnknown || riid == IID_IDropSource) {
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT TextDropSource::QueryContinueDrag(BOOL escape, DWORD keys)
{
    if (escape)
        return DRAGDROP_S_CANCEL;
    if (!(keys & MK_LBUTTON))
        return DRAGDROP_S_DROP;
    return S_OK;
}
