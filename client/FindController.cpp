#include "client/FindController.h"

#include "client/FindResourceIds.h"
#include "client/OptionSettings.h"

CFindController::~CFindController() = default;

void CFindController::ShowFindStatus(LPCTSTR) {}

BOOL CFindController::Find(CWnd* pParent)
{
    m_strSearch.Empty();
    return Run(ModeAsk, pParent);
}

BOOL CFindController::FindAgain(BOOL bUpward, CWnd* pParent)
{
    return Run(bUpward ? ModePrevious : ModeNext, pParent);
}

BOOL CFindController::Run(int nMode, CWnd* pParent)
{
    COptionSettings* pOptions = GetOptions();
    BOOL bMatchCase = pOptions != nullptr && pOptions->TestFindOptions(COptionSettings::FindMatchCase) != 0;
    if (m_strSearch.IsEmpty() || nMode == ModeAsk)
    {
        CString strText;
        if (!AskSearchText(pParent, strText, bMatchCase) || strText.IsEmpty())
            return FALSE;
        m_strSearch = strText;
        if (pOptions != nullptr)
        {
            if (bMatchCase)
                pOptions->AddFindOptions(COptionSettings::FindMatchCase);
            else
                pOptions->RemoveFindOptions(COptionSettings::FindMatchCase);
        }
        else
            bMatchCase = FALSE;
    }
    const BOOL bFound = FindText(m_strSearch, bMatchCase, nMode == ModePrevious, nMode == ModeAsk ? 0 : -1);
    CString strStatus;
    if (bFound)
        strStatus.Format(IDS_FIND_STATUS, (LPCTSTR)m_strSearch);
    ShowFindStatus(strStatus);
    if (!bFound)
        Beep();
    return bFound;
}

#ifndef _WIN32
BOOL CFindController::AskSearchText(CWnd*, CString&, BOOL&)
{
    return FALSE;
}

void CFindController::Beep() {}
#endif
