#ifndef TANZO_AFX_WIN32_AFXSTATE_H
#define TANZO_AFX_WIN32_AFXSTATE_H

// State of the class library that lives per user-interface thread: the
// maps from handles to objects, the window being created, the message
// being handled. Internal to the library.

#include "afx/wintypes.h"

#include <commctrl.h>

#include <memory>
#include <unordered_map>

class CWnd;
class CWinThread;

// Handles to objects: permanent objects (the program's own) register
// themselves; FromHandle makes temporary wrappers for the rest, which the
// application frees when it is idle. A temporary never owns its handle:
// pfnRelease clears it before the wrapper is deleted.
template <class TObject, class THandle> class CHandleMap
{
public:
    explicit CHandleMap(void (*pfnRelease)(TObject*)) : m_pfnRelease(pfnRelease) {}
    ~CHandleMap() { DeleteTemp(); }

    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it != m_permanent.end() ? it->second : nullptr;
    }
    TObject* LookupTemporary(THandle h) const
    {
        auto it = m_temporary.find(h);
        return it != m_temporary.end() ? it->second.get() : nullptr;
    }
    void SetPermanent(THandle h, TObject* p) { m_permanent[h] = p; }
    void RemovePermanent(THandle h, TObject* p)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p)
            m_permanent.erase(it);
    }
    // The permanent object, else a temporary made by pfnNew (which sets
    // the handle into it).
    template <class TNew> TObject* FromHandle(THandle h, TNew pfnNew)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* p = LookupPermanent(h))
            return p;
        if (TObject* p = LookupTemporary(h))
            return p;
        std::unique_ptr<TObject> p(pfnNew(h));
        TObject* raw = p.get();
        m_temporary[h] = std::move(p);
        return raw;
    }
    void DeleteTemp()
    {
        // Moved out first: a destructor may look the map up again.
        auto temporary = std::move(m_temporary);
        m_temporary.clear();
        for (auto& entry : temporary)
            m_pfnRelease(entry.second.get());
    }

private:
    void (*m_pfnRelease)(TObject*);
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, std::unique_ptr<TObject>> m_temporary;
};

class CDC;
class CGdiObject;
class CMenu;
class CImageList;

struct AFX_THREAD_STATE
{
    AFX_THREAD_STATE();

    CHandleMap<CWnd, HWND> m_wndMap;
    CHandleMap<CDC, HDC> m_dcMap;
    CHandleMap<CGdiObject, HGDIOBJ> m_gdiMap;
    CHandleMap<CMenu, HMENU> m_menuMap;
    CHandleMap<CImageList, HIMAGELIST> m_imageListMap;

    // The window CreateEx is making: the creation hook attaches it.
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookCbt = nullptr;

    // The message being handled (Default, ReflectLastMsg).
    MSG m_lastSentMsg = {};
    // The message the pump took last (WM_QUIT carries the exit code).
    MSG m_msgCur = {};

    // The pop-up menu TrackPopupMenu is showing, for owner-drawn menus.
    HMENU m_hTrackingMenu = nullptr;

    // A notification sent while a window changes its own controls is not
    // routed back to it (UpdateData filling an edit sends EN_CHANGE).
    HWND m_hLockoutNotifyWindow = nullptr;
};

// This thread's state, created on first use and never freed, so that
// objects destroyed at process exit may still look their handles up.
AFX_THREAD_STATE* AfxGetThreadState();

// This thread's map of each kind of owned handle (CHandleObject).
inline CHandleMap<CDC, HDC>& AfxHandleMap(CDC*)
{
    return AfxGetThreadState()->m_dcMap;
}
inline CHandleMap<CGdiObject, HGDIOBJ>& AfxHandleMap(CGdiObject*)
{
    return AfxGetThreadState()->m_gdiMap;
}
inline CHandleMap<CMenu, HMENU>& AfxHandleMap(CMenu*)
{
    return AfxGetThreadState()->m_menuMap;
}
inline CHandleMap<CImageList, HIMAGELIST>& AfxHandleMap(CImageList*)
{
    return AfxGetThreadState()->m_imageListMap;
}

// The object's own address, hidden from the optimiser: the null-safe
// getters (GetSafeHwnd and the like) are called through null pointers by
// design, which the compiler would otherwise assume cannot happen.
template <class T> inline const T* AfxLaunder(const T* p)
{
    __asm__("" : "+r"(p));
    return p;
}

// Frees every temporary wrapper of this thread.
void AfxDeleteTempMaps();

// The next window created on this thread is attached to pWnd (and
// subclassed) before its first message. AfxUnhookWindowCreate is TRUE when
// that happened.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

// The framework's own window class (AFX_WND_CLASS, AFX_FRAME_CLASS),
// registered on first use; null when it cannot be.
LPCTSTR AfxDefaultClass(LPCTSTR lpszClass);

// Places a window for RepositionBars (deferred when lpLayout has a hDWP).
struct AFX_SIZEPARENTPARAMS;
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

#endif // TANZO_AFX_WIN32_AFXSTATE_H
