#ifndef TANZO_APP_URLSTATIC_H
#define TANZO_APP_URLSTATIC_H

// A link label (Windows builds): blue, underlined, opened by a click on its
// text, with a context menu to copy or open the address.

#include "app/DecorateStatic.h"
#include "app/MenuHelpers.h"

// Told what link the mouse is over ("" when none).
class CLinkHoverSink
{
public:
    virtual void OnLinkHover(LPCTSTR lpszLink) = 0;

protected:
    ~CLinkHoverSink() = default;
};

class CURLStatic : public CDecorateStatic, public CCommandStateProvider
{
    DECLARE_DYNAMIC(CURLStatic)
public:
    CURLStatic();
    ~CURLStatic() override;

    void SetHoverSink(CLinkHoverSink* pSink) { m_pHoverSink = pSink; }
    // The link's commands can run only when there is a link.
    virtual BOOL IsLinkCommandEnabled(UINT nID);
    BOOL IsCommandEnabled(UINT nID) override { return IsLinkCommandEnabled(nID); }
    // The link is the text unless one was set.
    void SyncWindowText() override;

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCopyLink();
    afx_msg void OnOpenLink();
    afx_msg void OnUpdateLinkCommand(CCmdUI* pCmdUI);

    CLinkHoverSink* m_pHoverSink = nullptr;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_URLSTATIC_H
