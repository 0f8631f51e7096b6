#ifndef TANZO_CLIENT_TANZODOC_H
#define TANZO_CLIENT_TANZODOC_H

// CTanzoDoc: the client's one document (Windows builds). It is the account
// list and holds the user's data sets (CTanzoDocData); the framework's own
// document file is not used, so it is never modified and never saved.

#include "afx/Document.h"
#include "client/TanzoDocData.h"

class CWnd;

class CTanzoDoc : public CDocument, public CTanzoDocData
{
    DECLARE_DYNCREATE(CTanzoDoc)
public:
    CTanzoDoc();
    ~CTanzoDoc() override;

    // Empties the user data and the page positions; also the framework's.
    void DeleteContents() override;
    void Serialize(CArchive& ar) override;

    // The log-in of the type the options choose.
    int LogInCurrentUser(CHttpComm* pHttp, CProgressSink* pSink, CWnd* pParent, int nLoginType) override;
    // No account yet: the user is asked to add one; 3 when one was added
    // (go on without a log-in), 12 when the user did not, 4 without a
    // main window.
    DWORD GetLogInOptions() const override;

protected:
    BOOL GetUserDataRoot(CString& out) override;

    DECLARE_MESSAGE_MAP()
};

// The active document of the window's frame, or without a window of the
// main frame, when it is a CTanzoDoc of a live main frame; else null.
CTanzoDoc* GetTanzoDoc(CWnd* pWnd);

#endif // TANZO_CLIENT_TANZODOC_H
