#include "net/ProgressSink.h"

#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "afx/String.h"

void CProgressSink::SetStatusId(UINT nID)
{
    SetStatus(LoadText(nID));
}

int CProgressSink::ShowMessageId(UINT nID, UINT nType)
{
    return ShowMessage(LoadText(nID), nType);
}

int CProgressSink::ShowMessage(LPCTSTR lpszText, UINT nType)
{
    return AfxMessageBox(lpszText, nType, 0);
}

void CProgressSink::SetTitleId(UINT nID)
{
    SetTitle(LoadText(nID));
}

void CProgressSink::SetTitle(LPCTSTR) {}

void CProgressSink::SetSubStatusId(UINT nID)
{
    SetSubStatus(LoadText(nID));
}

void CProgressSink::SetSubStatus(LPCTSTR) {}
