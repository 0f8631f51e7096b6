#include "client/StatusPaneTexts.h"

#include "auction/login/LoginSettingType.h"
#include "client/TanzoResourceIds.h"

CString FormatLoginSettingText(int loginSettingType)
{
    CString text;
    CString name;
    if (loginSettingType == CLoginSettingType::Automatic ||
        !CLoginSettingType::LoadLoginSettingTypeText(loginSettingType, name))
        return text;
    CString format;
    format.LoadString(IDS_PANE_LOGIN_FORMAT);
    text.Format(format, (LPCTSTR)name);
    return text;
}

void AddProgressMark(DWORD dwInternetStatus, CString& marks)
{
    if (dwInternetStatus == InternetStatusHandleClosing)
        marks.Empty();
    else if (marks.GetLength() >= MaxProgressMarks)
        marks = ">";
    else
        marks += '>';
}
