// CHtmlView: creating the WebBrowser control in place, navigating it, and
// turning its events (DWebBrowserEvents2) into the virtual handlers.
#include "afx/HtmlView.h"

#include "afx/win32/HtmlViewSite.h"

#include <exdispid.h>

#include <cstring>

IMPLEMENT_DYNCREATE(CHtmlView, CView)

BEGIN_MESSAGE_MAP(CHtmlView, CView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace
{
// Event arguments arrive last first: the i-th as the event declares them.
VARIANT* EventArg(DISPPARAMS* pParams, UINT nIndex)
{
    if (pParams == nullptr || pParams->rgvarg == nullptr || nIndex >= pParams->cArgs)
        return nullptr;
    VARIANT* pArg = &pParams->rgvarg[pParams->cArgs - 1 - nIndex];
    while (pArg != nullptr && pArg->vt == (VT_BYREF | VT_VARIANT))
        pArg = pArg->pvarVal;
    return pArg;
}

CString ArgText(DISPPARAMS* pParams, UINT nIndex)
{
    VARIANT* pArg = EventArg(pParams, nIndex);
    if (pArg == nullptr)
        return CString();
    if (pArg->vt == VT_BSTR)
        return AfxWideToString(pArg->bstrVal);
    if (pArg->vt == (VT_BYREF | VT_BSTR) && pArg->pbstrVal != nullptr)
        return AfxWideToString(*pArg->pbstrVal);
    return CString();
}

long ArgLong(DISPPARAMS* pParams, UINT nIndex)
{
    VARIANT* pArg = EventArg(pParams, nIndex);
    VARIANT value;
    ::VariantInit(&value);
    if (pArg == nullptr || FAILED(::VariantChangeType(&value, pArg, 0, VT_I4)))
        return 0;
    return value.lVal;
}

VARIANT_BOOL* ArgBoolRef(DISPPARAMS* pParams, UINT nIndex)
{
    VARIANT* pArg = EventArg(pParams, nIndex);
    return pArg != nullptr && pArg->vt == (VT_BYREF | VT_BOOL) ? pArg->pboolVal : nullptr;
}

IDispatch* ArgDispatch(DISPPARAMS* pParams, UINT nIndex)
{
    VARIANT* pArg = EventArg(pParams, nIndex);
    return pArg != nullptr && pArg->vt == VT_DISPATCH ? pArg->pdispVal : nullptr;
}

// Post data comes as a one-dimensional array of bytes, or as nothing.
void ArgBytes(DISPPARAMS* pParams, UINT nIndex, CByteArray& out)
{
    out.RemoveAll();
    VARIANT* pArg = EventArg(pParams, nIndex);
    if (pArg == nullptr || (pArg->vt & VT_ARRAY) == 0)
        return;
    SAFEARRAY* pArray =
        (pArg->vt & VT_BYREF) != 0 ? (pArg->pparray != nullptr ? *pArg->pparray : nullptr) : pArg->parray;
    LONG nLower = 0;
    LONG nUpper = -1;
    if (pArray == nullptr || ::SafeArrayGetDim(pArray) != 1 || ::SafeArrayGetElemsize(pArray) != 1 ||
        FAILED(::SafeArrayGetLBound(pArray, 1, &nLower)) ||
        FAILED(::SafeArrayGetUBound(pArray, 1, &nUpper)) || nUpper < nLower)
        return;
    void* pData = nullptr;
    if (FAILED(::SafeArrayAccessData(pArray, &pData)))
        return;
    int nSize = (int)(nUpper - nLower + 1);
    out.SetSize(nSize);
    std::memcpy(out.GetData(), pData, (size_t)nSize);
    ::SafeArrayUnaccessData(pArray);
}

BOOL IsSameObject(IUnknown* pA, IUnknown* pB)
{
    if (pA == nullptr || pB == nullptr)
        return FALSE;
    CComRef<IUnknown> pIdentityA;
    CComRef<IUnknown> pIdentityB;
    pA->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(pIdentityA.Out()));
    pB->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(pIdentityB.Out()));
    return pIdentityA && pIdentityA.Get() == pIdentityB.Get();
}
} // namespace

CHtmlView::CHtmlView() = default;

CHtmlView::~CHtmlView()
{
    DestroyBrowser();
}

int CHtmlView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateBrowser())
    {
        DestroyBrowser();
        return -1;
    }
    return 0;
}

BOOL CHtmlView::CreateBrowser()
{
    m_pSite = new CHtmlViewSite(this);
    if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(m_pOleObject.Out()))))
        return FALSE;
    IOleClientSite* pClientSite = m_pSite->GetClientSite();
    if (FAILED(m_pOleObject->SetClientSite(pClientSite)))
        return FALSE;
    RECT rect;
    GetClientRect(&rect);
    if (FAILED(m_pOleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, pClientSite, 0, m_hWnd, &rect)))
        return FALSE;
    m_pBrowserApp = m_pOleObject.Query<IWebBrowser2>(IID_IWebBrowser2);
    if (!m_pBrowserApp)
        return FALSE;
    auto pContainer = m_pBrowserApp.Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!pContainer ||
        FAILED(pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, m_pEventPoint.Out())) ||
        FAILED(m_pEventPoint->Advise(m_pSite->GetEventSink(), &m_dwEventCookie)))
    {
        m_pEventPoint.Reset();
        return FALSE;
    }
    return TRUE;
}

void CHtmlView::DestroyBrowser()
{
    if (m_pEventPoint)
    {
        m_pEventPoint->Unadvise(m_dwEventCookie);
        m_pEventPoint.Reset();
        m_dwEventCookie = 0;
    }
    if (m_pBrowserApp)
    {
        m_pBrowserApp->Stop();
        m_pBrowserApp.Reset();
    }
    if (m_pOleObject)
    {
        if (auto pInPlace = m_pOleObject.Query<IOleInPlaceObject>(IID_IOleInPlaceObject))
            pInPlace->InPlaceDeactivate();
        m_pOleObject->Close(OLECLOSE_NOSAVE);
        m_pOleObject->SetClientSite(nullptr);
        m_pOleObject.Reset();
    }
    if (m_pSite != nullptr)
    {
        m_pSite->Detach();
        m_pSite->Release();
        m_pSite = nullptr;
    }
}

void CHtmlView::OnDestroy()
{
    DestroyBrowser();
    CView::OnDestroy();
}

void CHtmlView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (!m_pOleObject)
        return;
    if (auto pInPlace = m_pOleObject.Query<IOleInPlaceObject>(IID_IOleInPlaceObject))
    {
        RECT rect = {0, 0, cx, cy};
        pInPlace->SetObjectRects(&rect, &rect);
    }
}

BOOL CHtmlView::OnEraseBkgnd(CDC* pDC)
{
    // The control paints the whole client area.
    return m_pBrowserApp ? TRUE : CView::OnEraseBkgnd(pDC);
}

void CHtmlView::OnSetFocus(CWnd* pOldWnd)
{
    CView::OnSetFocus(pOldWnd);
    if (!m_pOleObject || m_pSite == nullptr)
        return;
    RECT rect;
    GetClientRect(&rect);
    m_pOleObject->DoVerb(OLEIVERB_UIACTIVATE, nullptr, m_pSite->GetClientSite(), 0, m_hWnd, &rect);
}

void CHtmlView::OnDraw(CDC*) {}

BOOL CHtmlView::PreTranslateMessage(MSG* pMsg)
{
    if (PreTranslateInput(pMsg))
        return TRUE;
    return CView::PreTranslateMessage(pMsg);
}

BOOL CHtmlView::PreTranslateInput(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_pBrowserApp ||
        !IsBrowserWindow(pMsg->hwnd))
        return FALSE;
    auto pActive = m_pBrowserApp.Query<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject);
    return pActive && pActive->TranslateAccelerator(pMsg) == S_OK;
}

BOOL CHtmlView::IsBrowserWindow(HWND hWnd) const
{
    return m_hWnd != nullptr && hWnd != nullptr && (hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd));
}

// ---------------------------------------------------------------------------
// Operations

void CHtmlView::Navigate(LPCTSTR lpszURL, DWORD dwFlags, LPCTSTR lpszTargetFrameName, LPCTSTR lpszHeaders,
                         LPCVOID lpvPostData, DWORD dwPostDataLen)
{
    if (!m_pBrowserApp)
        return;
    CBstr url(lpszURL != nullptr ? lpszURL : "");
    COleVariant flags((long)dwFlags);
    COleVariant targetFrame(lpszTargetFrameName);
    COleVariant postData(static_cast<const BYTE*>(lpvPostData), dwPostDataLen);
    COleVariant headers(lpszHeaders);
    m_pBrowserApp->Navigate(url.Get(), flags, targetFrame, postData, headers);
}

void CHtmlView::GoBack()
{
    if (m_pBrowserApp)
        m_pBrowserApp->GoBack();
}

void CHtmlView::GoForward()
{
    if (m_pBrowserApp)
        m_pBrowserApp->GoForward();
}

void CHtmlView::Refresh()
{
    if (m_pBrowserApp)
        m_pBrowserApp->Refresh();
}

void CHtmlView::Stop()
{
    if (m_pBrowserApp)
        m_pBrowserApp->Stop();
}

BOOL CHtmlView::GetBusy() const
{
    VARIANT_BOOL bBusy = VARIANT_FALSE;
    return m_pBrowserApp && SUCCEEDED(m_pBrowserApp->get_Busy(&bBusy)) && bBusy != VARIANT_FALSE;
}

CString CHtmlView::GetLocationURL() const
{
    CBstr url;
    if (!m_pBrowserApp || FAILED(m_pBrowserApp->get_LocationURL(url.Out())))
        return CString();
    return AfxWideToString(url.Get());
}

void CHtmlView::SetSilent(BOOL bSilent)
{
    if (m_pBrowserApp)
        m_pBrowserApp->put_Silent(bSilent ? VARIANT_TRUE : VARIANT_FALSE);
}

BOOL CHtmlView::GetSilent() const
{
    VARIANT_BOOL bSilent = VARIANT_FALSE;
    return m_pBrowserApp && SUCCEEDED(m_pBrowserApp->get_Silent(&bSilent)) && bSilent != VARIANT_FALSE;
}

LPDISPATCH CHtmlView::GetHtmlDocument() const
{
    LPDISPATCH pDocument = nullptr;
    if (m_pBrowserApp && FAILED(m_pBrowserApp->get_Document(&pDocument)))
        pDocument = nullptr;
    return pDocument;
}

LPDISPATCH CHtmlView::GetApplication() const
{
    LPDISPATCH pApplication = nullptr;
    if (m_pBrowserApp && FAILED(m_pBrowserApp->get_Application(&pApplication)))
        pApplication = nullptr;
    return pApplication;
}

// ---------------------------------------------------------------------------
// Events

void CHtmlView::DispatchEvent(DISPID dispid, DISPPARAMS* pParams)
{
    // The navigation events name the browser they come from first: the
    // control itself, or the window of a frame inside its page. Set before
    // the handlers run and never touched after them, which may destroy
    // the view.
    switch (dispid)
    {
    case DISPID_BEFORENAVIGATE2:
    case DISPID_NAVIGATECOMPLETE2:
    case DISPID_DOCUMENTCOMPLETE:
    case DISPID_NAVIGATEERROR:
        m_bTopLevelEvent = IsSameObject(ArgDispatch(pParams, 0), m_pBrowserApp.Get());
        break;
    default:
        m_bTopLevelEvent = TRUE;
        break;
    }
    switch (dispid)
    {
    case DISPID_BEFORENAVIGATE2:
    {
        CByteArray baPostedData;
        ArgBytes(pParams, 4, baPostedData);
        VARIANT_BOOL* pCancel = ArgBoolRef(pParams, 6);
        BOOL bCancel = pCancel != nullptr && *pCancel != VARIANT_FALSE;
        OnBeforeNavigate2(ArgText(pParams, 1), (DWORD)ArgLong(pParams, 2), ArgText(pParams, 3), baPostedData,
                          ArgText(pParams, 5), &bCancel);
        if (pCancel != nullptr)
            *pCancel = bCancel ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
    case DISPID_NAVIGATECOMPLETE2:
        OnNavigateComplete2(ArgText(pParams, 1));
        break;
    case DISPID_DOCUMENTCOMPLETE:
        OnDocumentComplete(ArgText(pParams, 1));
        break;
    case DISPID_NAVIGATEERROR:
    {
        VARIANT_BOOL* pCancel = ArgBoolRef(pParams, 4);
        BOOL bCancel = pCancel != nullptr && *pCancel != VARIANT_FALSE;
        OnNavigateError(ArgText(pParams, 1), ArgText(pParams, 2), (DWORD)ArgLong(pParams, 3), &bCancel);
        if (pCancel != nullptr)
            *pCancel = bCancel ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
    case DISPID_STATUSTEXTCHANGE:
        OnStatusTextChange(ArgText(pParams, 0));
        break;
    case DISPID_TITLECHANGE:
        OnTitleChange(ArgText(pParams, 0));
        break;
    case DISPID_COMMANDSTATECHANGE:
        OnCommandStateChange(ArgLong(pParams, 0), ArgLong(pParams, 1) != 0);
        break;
    case DISPID_DOWNLOADBEGIN:
        OnDownloadBegin();
        break;
    case DISPID_DOWNLOADCOMPLETE:
        OnDownloadComplete();
        break;
    case DISPID_NEWWINDOW2:
    case DISPID_NEWWINDOW3:
    {
        VARIANT* pTarget = EventArg(pParams, 0);
        VARIANT_BOOL* pCancel = ArgBoolRef(pParams, 1);
        if (pTarget == nullptr || pTarget->vt != (VT_BYREF | VT_DISPATCH))
            break;
        BOOL bCancel = pCancel != nullptr && *pCancel != VARIANT_FALSE;
        if (dispid == DISPID_NEWWINDOW2)
            OnNewWindow2(pTarget->ppdispVal, &bCancel);
        else
            OnNewWindow3(pTarget->ppdispVal, &bCancel, (DWORD)ArgLong(pParams, 2), ArgText(pParams, 3),
                         ArgText(pParams, 4));
        if (pCancel != nullptr)
            *pCancel = bCancel ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
    default:
        break;
    }
}

void CHtmlView::OnBeforeNavigate2(LPCTSTR, DWORD, LPCTSTR, CByteArray&, LPCTSTR, BOOL*) {}

void CHtmlView::OnNavigateComplete2(LPCTSTR) {}

void CHtmlView::OnDocumentComplete(LPCTSTR) {}

void CHtmlView::OnNavigateError(LPCTSTR, LPCTSTR, DWORD, BOOL*) {}

void CHtmlView::OnStatusTextChange(LPCTSTR) {}

void CHtmlView::OnTitleChange(LPCTSTR) {}

void CHtmlView::OnCommandStateChange(long, BOOL) {}

void CHtmlView::OnDownloadBegin() {}

void CHtmlView::OnDownloadComplete() {}

void CHtmlView::OnNewWindow2(LPDISPATCH*, BOOL*) {}

void CHtmlView::OnNewWindow3(LPDISPATCH*, BOOL*, DWORD, LPCTSTR, LPCTSTR) {}

HRESULT CHtmlView::OnShowContextMenu(DWORD, LPPOINT, LPUNKNOWN, LPDISPATCH)
{
    return S_FALSE;
}

HRESULT CHtmlView::OnGetHostInfo(DOCHOSTUIINFO* pInfo)
{
    pInfo->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_THEME;
    pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}
