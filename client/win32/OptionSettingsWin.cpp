#include "client/OptionSettings.h"

#include "app/DecorateStatic.h"
#include "controls/CommEdit.h"
#include "controls/CommListCtrl.h"

namespace
{
BOOL HasWindow(CWnd* pWnd)
{
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
}
} // namespace

BOOL COptionSettings::ApplyListFontSize(CCommListCtrl* pList) const
{
    int size = 0;
    if (!HasWindow(pList) || !GetFontSize(m_fontSizeType, size))
        return FALSE;
    if (pList->GetListFont().GetPointSize() != size)
    {
        pList->SetListFont(size, "");
        pList->Invalidate();
    }
    return TRUE;
}

BOOL COptionSettings::ApplyListMetrics(CCommListCtrl* pList) const
{
    const FontSizeRow* row = GetFontSizeRow(m_fontSizeType);
    if (!HasWindow(pList) || row == nullptr)
        return FALSE;
    pList->SetRowHeight(row->listValue1);
    pList->SetHeaderHeight(row->listValue2);
    return TRUE;
}

BOOL COptionSettings::ApplyListColors(CCommListCtrl* pList) const
{
    if (!HasWindow(pList))
        return FALSE;
    pList->SendMessage(LVM_SETTEXTCOLOR, 0, (LPARAM)m_colors[ColorItemText]);
    pList->SetRowBkColor(m_colors[ColorItemTextBk]);
    pList->SetGridColor(m_colors[ColorItemBorder]);
    pList->SetSelectedTextColor(m_colors[ColorItemFocusText]);
    pList->SetSelectedBkColor(m_colors[ColorItemFocusBk]);
    pList->SetFocusFrameColor(m_colors[ColorItemFocusFrame]);
    pList->SetLinkColumnsColor(m_colors[ColorItemLinkText]);
    pList->Invalidate();
    return TRUE;
}

BOOL COptionSettings::ApplyEditFontSize(CCommEdit* pEdit) const
{
    int size = 0;
    if (!HasWindow(pEdit) || !GetFontSize(m_fontSizeType, size))
        return FALSE;
    pEdit->GetEditFont().SetPointSize(size);
    return pEdit->GetEditFont().Apply(pEdit, TRUE);
}

BOOL COptionSettings::ApplyStaticFontSize(CDecorateStatic* pStatic) const
{
    int size = 0;
    if (!HasWindow(pStatic) || !GetFontSize(m_fontSizeType, size))
        return FALSE;
    pStatic->SetFontPointSize(size);
    pStatic->Redraw();
    return TRUE;
}

BOOL COptionSettings::ApplySampleSize(CDecorateStatic* pSample) const
{
    return ApplySampleSize(pSample, m_fontSizeType);
}

BOOL COptionSettings::ApplySampleSize(CDecorateStatic* pSample, int index)
{
    const FontSizeRow* row = GetFontSizeRow(index);
    if (!HasWindow(pSample) || row == nullptr)
        return FALSE;
    pSample->SetFontPointSize(row->pointSize);
    pSample->SetWindowPos(nullptr, 0, 0, row->sampleWidth, row->sampleHeight,
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pSample->Redraw();
    return TRUE;
}
