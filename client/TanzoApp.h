#ifndef TANZO_CLIENT_TANZOAPP_H
#define TANZO_CLIENT_TANZOAPP_H

// CTanzoApp: the client's application object (Windows builds). It names
// the profile, the main window's class and the single-instance mutex,
// starts the document, main frame and view, and places the user's data
// files.

#include "afx/String.h"
#include "app/AppShareNet.h"
#include "client/TextResourceIds.h"

class CMainFrame;

class CTanzoApp : public CAppShareNet
{
    DECLARE_DYNAMIC(CTanzoApp)
public:
    enum
    {
        FirstVersionYear = 2006,
        LastVersionYear = 2019,
    };

    CTanzoApp();
    ~CTanzoApp() override;

    void InitProfileName() override;
    LPCTSTR GetWindowClassName() override;
    LPCTSTR GetMutexName() override;
    BOOL InitInstance() override;

    // The main window when it is a live CMainFrame, else null.
    CMainFrame* GetMainFrame() const;
    // The folder of a data set (Velmar Soft\Tanzo\UserData in the
    // application-data folder, for set 3 with the user's folder below it:
    // userID's, else the current user's). FALSE when there is none; when
    // the application-data folder cannot be found the user is told.
    BOOL GetDataFolder(CString& out, int set, LPCTSTR userID);
    BOOL GetDataFilePath(CString& out, int set);
    // The user-data folder, found once and kept.
    virtual BOOL GetUserDataRoot(CString& out);

protected:
    // The document template, the command line and the first display of the
    // main window, after the common start-up.
    virtual BOOL StartMainWindow();
    // The lists' first reading from the service, once the window shows.
    virtual void StartFirstRefresh(CMainFrame* pFrame);

    afx_msg void OnAppAbout();

    CString m_strDataFolder;

    DECLARE_MESSAGE_MAP()
};

// The application object when it is a CTanzoApp, else null.
CTanzoApp* GetTanzoApp();

#endif // TANZO_CLIENT_TANZOAPP_H
