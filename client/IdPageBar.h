#ifndef TANZO_CLIENT_IDPAGEBAR_H
#define TANZO_CLIENT_IDPAGEBAR_H

// CIdPageBar: the small bar above an item list (Windows builds) that
// shows the current user ID and the page of the list shown, each a link
// to the service, with a menu of the IDs and one of the pages.

#include "app/BaseDialog.h"
#include "app/URLStatic.h"

class CTanzoDoc;

class CIdPageBar : public CBaseDialog, public CLinkHoverSink
{
    DECLARE_DYNAMIC(CIdPageBar)
public:
    CIdPageBar(int nListKind, CWnd* pParentWnd);
    ~CIdPageBar() override;

    // The current ID and the page of the list, from the document.
    void Update();
    // current 0: all pages ("ALL").
    void ShowPage(int nCurrent, int nCount);
    void EnableButtons(BOOL bEnable);
    // The options' link colour on both links.
    void ApplyLinkColor();
    // The link the mouse is over goes to the status bar.
    void OnLinkHover(LPCTSTR lpszLink) override;

    int GetListKind() const { return m_nListKind; }
    // The ID and page menus as the buttons open them (the caller destroys
    // them): commands from 33100 and from 33120 on.
    BOOL BuildIdMenu(CMenu& menu);
    BOOL BuildPageMenu(CMenu& menu);

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;

    CTanzoDoc* GetDocument();
    // Opens the first pop-up of the menu below a button.
    void TrackBelow(CMenu& menu, int nButtonId);

    afx_msg void OnIdButton();
    afx_msg void OnPageButton();

    int m_nListKind;
    HACCEL m_hAccel = nullptr;
    CStatic m_pageCount;
    CStatic m_allPages;
    CButton m_pageButton;
    CButton m_idButton;
    CURLStatic m_userId;
    CURLStatic m_pageNumber;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_IDPAGEBAR_H
