#include "client/TanzoDoc.h"

#include "client/MainFrame.h"
#include "client/TanzoApp.h"

IMPLEMENT_DYNCREATE(CTanzoDoc, CDocument)

BEGIN_MESSAGE_MAP(CTanzoDoc, CDocument)
END_MESSAGE_MAP()

CTanzoDoc::CTanzoDoc() {}

CTanzoDoc::~CTanzoDoc() {}

void CTanzoDoc::DeleteContents()
{
    CTanzoDocData::DeleteContents();
    CDocument::DeleteContents();
}

void CTanzoDoc::Serialize(CArchive&) {}

BOOL CTanzoDoc::GetUserDataRoot(CString& out)
{
    CTanzoApp* pApp = GetTanzoApp();
    if (pApp == nullptr)
    {
        out.Empty();
        return FALSE;
    }
    return pApp->GetUserDataRoot(out);
}

int CTanzoDoc::LogInCurrentUser(CHttpComm* pHttp, CProgressSink* pSink, CWnd* pParent, int)
{
    return CTanzoDocData::LogInCurrentUser(pHttp, pSink, pParent, GetLoginType());
}

DWORD CTanzoDoc::GetLogInOptions() const
{
    return (DWORD)AddUserIdWithDialog(nullptr, nullptr);
}

CTanzoDoc* GetTanzoDoc(CWnd* pWnd)
{
    CMainFrame* pFrame = pWnd != nullptr ? GetMainFrameOf(pWnd) : GetMainFrame();
    if (pFrame == nullptr)
        return nullptr;
    CDocument* pDoc = pFrame->GetActiveDocument();
    return pDoc != nullptr && pDoc->IsKindOf(RUNTIME_CLASS(CTanzoDoc)) ? static_cast<CTanzoDoc*>(pDoc)
                                                                       : nullptr;
}
