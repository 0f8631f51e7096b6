#ifndef TANZO_AFX_WIN32_HTMLVIEWSITE_H
#define TANZO_AFX_WIN32_HTMLVIEWSITE_H

// The container side of CHtmlView's WebBrowser control. One site object
// holds the reference count; each OLE interface the control asks for is a
// small member object that forwards IUnknown to the site and its calls to
// the view. Once the view lets go (Detach), the control may still hold the
// site for a while: the calls then do nothing. Internal to the library.

#include <docobj.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <oleidl.h>

class CHtmlView;
class CHtmlViewSite;

// IUnknown of a member interface is the site's.
template <class I> class CSitePart : public I
{
public:
    explicit CSitePart(CHtmlViewSite* pSite) : m_pSite(pSite) {}
    CSitePart(const CSitePart&) = delete;
    CSitePart& operator=(const CSitePart&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

protected:
    CHtmlView* View() const;
    // The view's window (null once the view is gone).
    HWND HostWindow() const;

    CHtmlViewSite* m_pSite;
};

class CHtmlClientSite : public CSitePart<IOleClientSite>
{
public:
    using CSitePart::CSitePart;
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL fShow) override;
    STDMETHODIMP RequestNewObjectLayout() override;
};

class CHtmlInPlaceSite : public CSitePart<IOleInPlaceSite>
{
public:
    using CSitePart::CSitePart;
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                  LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE scrollExtant) override;
    STDMETHODIMP OnUIDeactivate(BOOL fUndoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;
};

class CHtmlInPlaceFrame : public CSitePart<IOleInPlaceFrame>
{
public:
    using CSitePart::CSitePart;
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
    STDMETHODIMP GetBorder(LPRECT lprectBorder) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
    STDMETHODIMP InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
    STDMETHODIMP SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
    STDMETHODIMP RemoveMenus(HMENU hmenuShared) override;
    STDMETHODIMP SetStatusText(LPCOLESTR pszStatusText) override;
    STDMETHODIMP EnableModeless(BOOL fEnable) override;
    STDMETHODIMP TranslateAccelerator(LPMSG lpmsg, WORD wID) override;
};

class CHtmlDocHostUIHandler : public CSitePart<IDocHostUIHandler>
{
public:
    using CSitePart::CSitePart;
    STDMETHODIMP ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved,
                                 IDispatch* pdispReserved) override;
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* pInfo) override;
    STDMETHODIMP ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
                        IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc) override;
    STDMETHODIMP HideUI() override;
    STDMETHODIMP UpdateUI() override;
    STDMETHODIMP EnableModeless(BOOL fEnable) override;
    STDMETHODIMP OnDocWindowActivate(BOOL fActivate) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL fActivate) override;
    STDMETHODIMP ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow) override;
    STDMETHODIMP TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
    STDMETHODIMP GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw) override;
    STDMETHODIMP GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
    STDMETHODIMP GetExternal(IDispatch** ppDispatch) override;
    STDMETHODIMP TranslateUrl(DWORD dwTranslate, LPWSTR pchURLIn, LPWSTR* ppchURLOut) override;
    STDMETHODIMP FilterDataObject(IDataObject* pDO, IDataObject** ppDORet) override;
};

// DWebBrowserEvents2: a dispatch interface whose calls are the events.
class CHtmlEventSink : public CSitePart<IDispatch>
{
public:
    using CSitePart::CSitePart;
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                               DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
};

class CHtmlViewSite final : public IUnknown
{
public:
    // One reference, the view's.
    explicit CHtmlViewSite(CHtmlView* pView);
    CHtmlViewSite(const CHtmlViewSite&) = delete;
    CHtmlViewSite& operator=(const CHtmlViewSite&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // The view is going: from now on the control's calls reach nobody.
    void Detach() { m_pView = nullptr; }
    CHtmlView* GetView() const { return m_pView; }
    HWND GetHostWindow() const;
    // An event of the control, for the view.
    void FireEvent(DISPID dispid, DISPPARAMS* pParams);

    IOleClientSite* GetClientSite() { return &m_clientSite; }
    IDispatch* GetEventSink() { return &m_eventSink; }
    IOleInPlaceFrame* GetInPlaceFrame() { return &m_inPlaceFrame; }

private:
    ~CHtmlViewSite() = default;

    LONG m_nRefs = 1;
    CHtmlView* m_pView;
    CHtmlClientSite m_clientSite;
    CHtmlInPlaceSite m_inPlaceSite;
    CHtmlInPlaceFrame m_inPlaceFrame;
    CHtmlDocHostUIHandler m_docHostUIHandler;
    CHtmlEventSink m_eventSink;
};

template <class I> STDMETHODIMP CSitePart<I>::QueryInterface(REFIID riid, void** ppv)
{
    return m_pSite->QueryInterface(riid, ppv);
}

template <class I> STDMETHODIMP_(ULONG) CSitePart<I>::AddRef()
{
    return m_pSite->AddRef();
}

template <class I> STDMETHODIMP_(ULONG) CSitePart<I>::Release()
{
    return m_pSite->Release();
}

template <class I> CHtmlView* CSitePart<I>::View() const
{
    return m_pSite->GetView();
}

template <class I> HWND CSitePart<I>::HostWindow() const
{
    return m_pSite->GetHostWindow();
}

#endif // TANZO_AFX_WIN32_HTMLVIEWSITE_H
