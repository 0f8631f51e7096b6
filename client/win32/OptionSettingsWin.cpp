#include "client/OptionSettings.h"

#include "app/DecorateStatic.h"
#include "controls/CommEdit.h"

BOOL COptionSettings::ApplyEditFontSize(CCommEdit* pEdit) const
{
    int size = 0;
    if (pEdit == nullptr || pEdit->GetSafeHwnd() == nullptr || !GetFontSize(m_fontSizeType, size))
        return FALSE;
    pEdit->GetEditFont().SetPointSize(size);
    return pEdit->GetEditFont().Apply(pEdit, TRUE);
}

BOOL COptionSettings::ApplyStaticFontSize(CDecorateStatic* pStatic) const
{
    int size = 0;
    if (pStatic == nullptr || pStatic->GetSafeHwnd() == nullptr || !GetFontSize(m_fontSizeType, size))
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
    if (pSample == nullptr || pSample->GetSafeHwnd() == nullptr || row == nullptr)
        return FALSE;
    pSample->SetFontPointSize(row->pointSize);
    pSample->SetWindowPos(nullptr, 0, 0, row->sampleWidth, row->sampleHeight,
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pSample->Redraw();
    return TRUE;
}
