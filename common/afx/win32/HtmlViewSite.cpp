// The site of CHtmlView's WebBrowser control: reference count, interface
// lookup and the OLE container calls, most of which a view that fills its
// window answers with "nothing to do".
#include "afx/win32/HtmlViewSite.h"

#include "afx/HtmlView.h"

CHtmlViewSite::CHtmlViewSite(CHtmlView* pView)
    : m_pView(pView), m_clientSite(this), m_inPlaceSite(this), m_inPlaceFrame(this), m_docHostUIHandler(this),
      m_eventSink(this)
{
}

STDMETHODIMP CHtmlViewSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown)
        *ppv = static_cast<IUnknown*>(this);
    else if (riid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(&m_clientSite);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *ppv = static_cast<IOleInPlaceSite*>(&m_inPlaceSite);
    else if (riid == IID_IOleInPlaceFrame || riid == IID_IOleInPlaceUIWindow)
        *ppv = static_cast<IOleInPlaceFrame*>(&m_inPlaceFrame);
    else if (riid == IID_IDocHostUIHandler)
        *ppv = static_cast<IDocHostUIHandler*>(&m_docHostUIHandler);
    else if (riid == DIID_DWebBrowserEvents2 || riid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(&m_eventSink);
    else
    {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CHtmlViewSite::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) CHtmlViewSite::Release()
{
    LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

HWND CHtmlViewSite::GetHostWindow() const
{
    return m_pView != nullptr ? m_pView->GetSafeHwnd() : nullptr;
}

void CHtmlViewSite::FireEvent(DISPID dispid, DISPPARAMS* pParams)
{
    if (m_pView != nullptr)
        m_pView->DispatchEvent(dispid, pParams);
}

// ---------------------------------------------------------------------------
// IOleClientSite

STDMETHODIMP CHtmlClientSite::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlClientSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlClientSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr)
        *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CHtmlClientSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP CHtmlClientSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP CHtmlClientSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

// ---------------------------------------------------------------------------
// IOleInPlaceSite: the control takes the view's whole client area.

STDMETHODIMP CHtmlInPlaceSite::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = HostWindow();
    return *phwnd != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CHtmlInPlaceSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlInPlaceSite::CanInPlaceActivate()
{
    return HostWindow() != nullptr ? S_OK : S_FALSE;
}

STDMETHODIMP CHtmlInPlaceSite::OnInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                                LPRECT lprcPosRect, LPRECT lprcClipRect,
                                                LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr ||
        lpFrameInfo == nullptr)
        return E_POINTER;
    HWND hWnd = HostWindow();
    *ppFrame = m_pSite->GetInPlaceFrame();
    (*ppFrame)->AddRef();
    *ppDoc = nullptr;
    ::SetRectEmpty(lprcPosRect);
    if (hWnd != nullptr)
        ::GetClientRect(hWnd, lprcPosRect);
    *lprcClipRect = *lprcPosRect;
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = hWnd != nullptr ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlInPlaceSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceSite::OnInPlaceDeactivate()
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceSite::DiscardUndoState()
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceSite::DeactivateAndUndo()
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceSite::OnPosRectChange(LPCRECT)
{
    return S_OK;
}

// ---------------------------------------------------------------------------
// IOleInPlaceFrame: no menus, tool bars or status line to share.

STDMETHODIMP CHtmlInPlaceFrame::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    HWND hWnd = HostWindow();
    *phwnd = hWnd != nullptr ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
    return *phwnd != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CHtmlInPlaceFrame::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlInPlaceFrame::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CHtmlInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CHtmlInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceFrame::RemoveMenus(HMENU)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceFrame::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceFrame::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP CHtmlInPlaceFrame::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}

// ---------------------------------------------------------------------------
// IDocHostUIHandler: the view decides on the context menu and the host
// flags; the rest is the control's own.

STDMETHODIMP CHtmlDocHostUIHandler::ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved,
                                                    IDispatch* pdispReserved)
{
    CHtmlView* pView = View();
    return pView != nullptr ? pView->OnShowContextMenu(dwID, ppt, pcmdtReserved, pdispReserved) : S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* pInfo)
{
    if (pInfo == nullptr)
        return E_POINTER;
    CHtmlView* pView = View();
    return pView != nullptr ? pView->OnGetHostInfo(pInfo) : S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                           IOleInPlaceFrame*, IOleInPlaceUIWindow*)
{
    return S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::HideUI()
{
    return S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::UpdateUI()
{
    return S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

STDMETHODIMP CHtmlDocHostUIHandler::TranslateAccelerator(LPMSG, const GUID*, DWORD)
{
    return S_FALSE;
}

STDMETHODIMP CHtmlDocHostUIHandler::GetOptionKeyPath(LPOLESTR* pchKey, DWORD)
{
    if (pchKey != nullptr)
        *pchKey = nullptr;
    return S_FALSE;
}

STDMETHODIMP CHtmlDocHostUIHandler::GetDropTarget(IDropTarget*, IDropTarget** ppDropTarget)
{
    if (ppDropTarget != nullptr)
        *ppDropTarget = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlDocHostUIHandler::GetExternal(IDispatch** ppDispatch)
{
    if (ppDispatch != nullptr)
        *ppDispatch = nullptr;
    return S_FALSE;
}

STDMETHODIMP CHtmlDocHostUIHandler::TranslateUrl(DWORD, LPWSTR, LPWSTR* ppchURLOut)
{
    if (ppchURLOut != nullptr)
        *ppchURLOut = nullptr;
    return S_FALSE;
}

STDMETHODIMP CHtmlDocHostUIHandler::FilterDataObject(IDataObject*, IDataObject** ppDORet)
{
    if (ppDORet != nullptr)
        *ppDORet = nullptr;
    return S_FALSE;
}

// ---------------------------------------------------------------------------
// DWebBrowserEvents2. The control also asks its client site's IDispatch
// for ambient properties (negative ids): none are offered, so it keeps its
// defaults.

STDMETHODIMP CHtmlEventSink::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CHtmlEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo != nullptr)
        *ppTInfo = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CHtmlEventSink::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams,
                                    VARIANT*, EXCEPINFO*, UINT*)
{
    if (dispIdMember < 0)
        return DISP_E_MEMBERNOTFOUND;
    // The view may go away inside a handler: the site stays until the
    // call returns.
    AddRef();
    m_pSite->FireEvent(dispIdMember, pDispParams);
    Release();
    return S_OK;
}
