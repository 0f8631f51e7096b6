#include "auction/templates/TemplateTextMenu.h"

#include <memory>

#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "afx/Wnd.h"
#include "auction/templates/TemplateListBaseDialog.h"
#include "auction/templates/TemplateMenuText.h"

CTemplateTextMenu::CTemplateTextMenu(CWnd* pOwner) : m_pOwner(pOwner) {}

CTemplateTextMenu::~CTemplateTextMenu()
{
    if (m_hObject != nullptr)
        ::DeleteObject(m_hObject);
}

CTemplateListBaseDialog* CTemplateTextMenu::CreateListDialog(CWnd*)
{
    return nullptr;
}

CTemplateStringItem* CTemplateTextMenu::CreateScratchItem()
{
    return new CTemplateStringItem;
}

CTemplateStringItem* CTemplateTextMenu::CreateDefaultItem()
{
    return nullptr;
}

void CTemplateTextMenu::InsertIntoOwner(const CTemplateStringItem&) {}

UINT CTemplateTextMenu::GetFirstCommandId()
{
    return 0;
}

void CTemplateTextMenu::SetGdiObject(HGDIOBJ hObject)
{
    if (m_hObject != nullptr && m_hObject != hObject)
        ::DeleteObject(m_hObject);
    m_hObject = hObject;
}

BOOL CTemplateTextMenu::ShowMenu(UINT nMenuId, UINT nEnableItemId, int x, int y)
{
    if (m_pOwner == nullptr || !::IsWindow(m_pOwner->m_hWnd))
        return FALSE;
    CMenu menu;
    if (!menu.LoadMenu(nMenuId))
        return FALSE;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return FALSE;

    const UINT nFirstId = GetFirstCommandId();
    std::unique_ptr<CTemplateStringItem> scratch(CreateScratchItem());
    if (nFirstId == 0 || scratch == nullptr)
        return FALSE;
    const int nCount = GetCount();
    if (nCount > 0)
    {
        pPopup->AppendMenu(MF_SEPARATOR);
        const int nBreak = GetTemplateMenuBreakIndex((int)pPopup->GetMenuItemCount(), nCount);
        for (int i = 0; i < nCount; ++i)
        {
            scratch->Clear();
            if (!GetItem(i, *scratch))
                continue;
            CString text;
            scratch->GetMenuText(text);
            const UINT nFlags = MF_STRING | (i == nBreak ? MF_MENUBARBREAK : 0);
            pPopup->AppendMenu(nFlags, nFirstId + i, FormatTemplateMenuEntry(i, text));
        }
    }
    scratch.reset();
    pPopup->EnableMenuItem(nEnableItemId, MF_BYCOMMAND | (CanAdd(nCount) ? MF_ENABLED : MF_GRAYED));
    return pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, m_pOwner);
}

void CTemplateTextMenu::InsertTemplate(int nIndex)
{
    std::unique_ptr<CTemplateStringItem> item(CreateScratchItem());
    if (item != nullptr && GetItem(nIndex, *item))
        InsertIntoOwner(*item);
}

BOOL CTemplateTextMenu::CanAdd(int nCount)
{
    if (nCount < 0)
        nCount = GetCount();
    const int nMax = GetMaxCount();
    return nMax < 0 || nCount < nMax;
}

void CTemplateTextMenu::RunManagementDialog()
{
    std::unique_ptr<CTemplateListBaseDialog> dialog(CreateListDialog(m_pOwner));
    if (dialog == nullptr)
        return;
    std::unique_ptr<CTemplateStringItem> item(CreateScratchItem());
    if (item == nullptr)
        return;
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
    {
        item->Clear();
        if (GetItem(i, *item))
            dialog->AddItemCopy(*item);
    }
    if (dialog->DoModal() != IDOK || !dialog->IsModified())
        return;
    DeleteAll();
    for (int i = 0; i < dialog->GetItemCount(); ++i)
    {
        const CTemplateStringItem* pItem = dialog->GetItem(i);
        if (pItem != nullptr)
            AddItem(*pItem);
    }
}

void CTemplateTextMenu::AddDefaultTemplate(UINT nQuestionId, UINT nDoneId)
{
    if (nQuestionId != 0 && AfxMessageBox(nQuestionId, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    std::unique_ptr<CTemplateStringItem> item(CreateDefaultItem());
    if (item == nullptr)
        return;
    AddItem(*item);
    item.reset();
    if (nDoneId != 0)
        AfxMessageBox(nDoneId, MB_ICONINFORMATION);
}
