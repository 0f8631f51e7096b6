#include "net/HttpStatusSink.h"

#include "afx/MessageBox.h"

CHttpStatusSink::~CHttpStatusSink() = default;

void CHttpStatusSink::OnRetry() {}

int CHttpStatusSink::ShowMessage(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    return AfxMessageBox(lpszText, nType, nIDHelp);
}
