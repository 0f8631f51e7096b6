#ifndef TANZO_APP_APPCOMM_H
#define TANZO_APP_APPCOMM_H

// CAppComm: the application class every program of the system derives its
// application object from. The derived class names its profile, its main
// window class and its single-instance mutex; this class does the common
// start-up, the single-instance check, the profile helpers, the message box
// of AfxMessageBox and the per-run temporary work file.
//
// The profile helpers are portable (natively the profile is the in-memory
// store of CWinApp); everything else is Windows only.

#include "afx/String.h"
#include "afx/WinApp.h"
#include "afx/wintypes.h"

#ifdef _WIN32
#include "app/DynamicLibrary.h"

class CCommandLineInfo;
class CDocTemplate;
class CStringList;
class CWnd;
#endif

// The registry key of every program: HKEY_CURRENT_USER\Software\<this>.
extern const TCHAR g_szCompanyName[];

class CAppComm : public CWinApp
{
    DECLARE_DYNAMIC(CAppComm)
public:
    explicit CAppComm(LPCTSTR lpszAppName = nullptr);
    ~CAppComm() override;

    // The derived program's names. InitProfileName replaces
    // m_pszProfileName (free the old one, set a strdup() copy). An empty or
    // null window class adds no atom; an empty or null mutex name turns the
    // single-instance check off.
    virtual void InitProfileName() = 0;
    virtual LPCTSTR GetWindowClassName() = 0;
    virtual LPCTSTR GetMutexName() = 0;

    // Section "Settings" of the profile.
    UINT GetSettingInt(LPCTSTR lpszKey, int nDefault);
    BOOL WriteSettingInt(LPCTSTR lpszKey, int nValue);
    CString GetSettingString(LPCTSTR lpszKey, LPCTSTR lpszDefault = nullptr);
    BOOL WriteSettingString(LPCTSTR lpszKey, LPCTSTR lpszValue);
    // Section "Installation", which the installer writes.
    CString GetInstallationString(LPCTSTR lpszKey, LPCTSTR lpszDefault = nullptr);
    BOOL WriteInstallationString(LPCTSTR lpszKey, LPCTSTR lpszValue);

#ifdef _WIN32
    // Common start-up and the single-instance check; FALSE when this copy
    // must end (another one runs, or the check could not be made).
    BOOL InitInstance() override;
    // Removes the temporary work file and the atom.
    int ExitInstance() override;
    // Every AfxMessageBox: "?" shown full-width, and owned by the active
    // modeless dialog when there is one.
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    // The filter extensions of the document templates, without the dot;
    // TRUE when there is at least one.
    virtual BOOL GetDocumentExtensions(CStringList& list);
    // The shell command, with a file name in its long form first.
    virtual BOOL ProcessCommandLine(CCommandLineInfo& rCmdInfo);
    // Restores the running copy's main window and brings it to the front.
    // A program without a window class finds it by its title, the
    // application name (string 57344 unless the constructor names one).
    virtual BOOL ActivateRunningInstance();
    // The mutex exists but no window: tells the user (message 626).
    virtual int OnRunningInstanceNotFound();

    // This run's temporary work file: an empty file with a random name in
    // the program's temporary folder, made on the first call and removed
    // at exit. FALSE (and path empty) when no such file could be made.
    BOOL GetTempWorkFilePath(CString& strPath);

    // Sets the icon resource as the window's small icon.
    BOOL SetWindowIcon(CWnd* pWnd, UINT nIDIcon);
    // For the main frame's PreCreateWindow: registers the program's window
    // class once (a copy of the class cs names, with the icon) and puts its
    // name into cs.
    BOOL RegisterFrameWindowClass(CREATESTRUCT& cs, UINT nIDIcon);
    void AddDocumentTemplate(CDocTemplate* pTemplate)
    {
        AddDocTemplate(pTemplate);
    }
    CUser32Library& GetLayeredWindowApi()
    {
        return m_user32;
    }
    // The framework's message box with pDialog as the owner.
    int ShowDialogOwnedMessageBox(CWnd* pDialog, LPCTSTR lpszText, UINT nType, UINT nIDHelp);

protected:
    CString m_strTempWorkFileName;
    DWORD m_nAtom = 0;
    CUser32Library m_user32;
#endif
};

#ifdef _WIN32
class CWinThread;

// Handles every message waiting in the thread's queue and returns without
// waiting; long work calls it between steps so that windows repaint and
// the Stop command gets through. A quit message is left in the queue for
// the main loop. Nothing for a null thread.
void PumpMessages(CWinThread* pThread);
#endif

#endif // TANZO_APP_APPCOMM_H
