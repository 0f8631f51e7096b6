#include "app/URLStatic.h"

#include "afx/Menu.h"
#include "app/ClipboardShell.h"
#include "app/DialogResourceIds.h"

IMPLEMENT_DYNAMIC(CURLStatic, CDecorateStatic)

BEGIN_MESSAGE_MAP(CURLStatic, CDecorateStatic)
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_COMMAND(ID_LINK_COPY, OnCopyLink)
ON_COMMAND(ID_LINK_OPEN, OnOpenLink)
ON_UPDATE_COMMAND_UI_RANGE(ID_LINK_COPY, ID_LINK_OPEN, OnUpdateLinkCommand)
END_MESSAGE_MAP()

CURLStatic::CURLStatic()
{
    m_crText = 0xFF0000;
    m_nStyle = styleUnderline;
}

CURLStatic::~CURLStatic() = default;

BOOL CURLStatic::IsLinkCommandEnabled(UINT nID)
{
    return (nID == ID_LINK_COPY || nID == ID_LINK_OPEN) && HasLink();
}

void CURLStatic::SyncWindowText()
{
    CDecorateStatic::SyncWindowText();
    if (m_strLink.IsEmpty() && !m_strText.IsEmpty())
    {
        // Now with a link, the label must hear clicks from the first paint.
        m_strLink = m_strText;
        CDecorateStatic::SyncWindowText();
    }
}

void CURLStatic::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pHoverSink != nullptr)
        m_pHoverSink->OnLinkHover(HasLink() && IsPointInText(point) ? (LPCTSTR)m_strLink : "");
    Default();
}

void CURLStatic::OnRButtonDown(UINT nFlags, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_LINK_CONTEXT_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    UpdateMenuItems(pPopup, this);
    ClientToScreen(&point);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CURLStatic::OnCopyLink()
{
    if (HasLink())
        SetClipboardText(m_strLink, m_hWnd, FALSE, FALSE);
}

void CURLStatic::OnOpenLink()
{
    if (HasLink())
        OpenInBrowser(m_strLink, m_hWnd);
}

void CURLStatic::OnUpdateLinkCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsLinkCommandEnabled(pCmdUI->m_nID));
}
