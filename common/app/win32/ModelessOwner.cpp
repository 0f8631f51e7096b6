#include "app/ModelessOwner.h"

#include "afx/Wnd.h"

CWnd* GetActiveModelessDialog()
{
    CWnd* pActive = CWnd::GetActiveWindow();
    if (pActive == nullptr || !::IsWindow(pActive->m_hWnd))
        return nullptr;
    CWnd* pTopOwner = pActive->GetTopLevelOwner();
    if (pTopOwner == nullptr || !::IsWindow(pTopOwner->m_hWnd))
        return nullptr;
    // Only the program's own windows are dialogs of the base.
    auto* pDialog = dynamic_cast<CModelessOwner*>(CWnd::FromHandlePermanent(pTopOwner->m_hWnd));
    return pDialog != nullptr && pDialog->IsCreatedModeless() ? pTopOwner : nullptr;
}
