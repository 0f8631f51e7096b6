#ifndef TANZO_AFX_WINAPP_H
#define TANZO_AFX_WINAPP_H

// CWinApp: the program's one application object.
//
// The header is portable. In the native build CWinApp is only its names
// and the profile (GetProfileInt ... WriteProfileBinary, SetRegistryKey,
// AfxGetApp), backed by the in-memory store of afx/Profile.h, so that
// portable code using the profile is tested natively. Windows builds add
// the user-interface thread, document templates, the command line and the
// message box, and keep the profile in the registry:
//   with a registry key: HKEY_CURRENT_USER\Software\<key>\<profile>\<section>
//   without one: the .INI file m_pszProfileName (natively: the same tree
//   under "<profile>\<section>" in memory).
//
// m_pszAppName, m_pszRegistryKey, m_pszProfileName and m_pszExeName are
// malloc'ed copies that the object frees; a program replacing one frees
// the old value with free() and sets a strdup() copy, as MFC programs do.

#include "afx/Object.h"
#include "afx/String.h"
#include "afx/wintypes.h"

#ifdef _WIN32
#include "afx/Collections.h"
#include "afx/WinThread.h"

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CWnd;
#define AFX_WINAPP_BASE CWinThread
#else
#define AFX_WINAPP_BASE CObject
#endif

class CWinApp : public AFX_WINAPP_BASE
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName null: the string AFX_IDS_APP_TITLE of the resources,
    // else the program's file name without extension.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;

    // Keeps the profile in the registry under Software\<key>; the profile
    // name becomes the application name.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    // Missing values, and values of another type, read as the default.
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    // A null default reads as "".
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    // A null entry deletes the section; a null value deletes the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is new[]'ed for the caller to delete[]; FALSE (and null) when
    // there is no such value.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // The store key of a section: "Software\<key>\<profile>\<section>" with
    // a registry key, else "<profile>\<section>".
    CString GetProfileSectionKey(LPCTSTR lpszSection) const;

#ifdef _WIN32
    HINSTANCE m_hInstance = nullptr;
    HINSTANCE m_hPrevInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    // The help context of a message box being shown (WM_HELPPROMPTADDR).
    DWORD m_dwPromptContext = 0;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;

    // The box of every AfxMessageBox: owned by the active window's
    // top-level window, which is disabled meanwhile; captioned with the
    // application name.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // 1 shows the wait cursor (counted), -1 takes one back, 0 shows it
    // again after something else set the cursor.
    virtual void DoWaitCursor(int nCode);
    // Modeless windows of the application stop (FALSE) and resume (TRUE)
    // taking input while a modal box is shown.
    virtual void EnableModeless(BOOL bEnable);

    // Document templates; the application owns and deletes them.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // TRUE when every modified document was saved or the user let it go.
    virtual BOOL SaveAllModified();
    // Closes every document with its frames and views.
    virtual void CloseAllDocuments(BOOL bEndSession);
    // The session ends: documents close (frames and views are destroyed,
    // so that what they save on destruction is saved), then ExitInstance.
    virtual void EndSession();

    // The command line of __argc/__argv; ProcessShellCommand opens a new
    // document or the file given. FALSE when no main window resulted.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    HICON LoadIcon(UINT nIDResource) const
    {
        return LoadIcon(MAKEINTRESOURCEA(nIDResource));
    }
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const
    {
        return ::LoadIconA(nullptr, lpszIconName);
    }
    HCURSOR LoadCursor(UINT nIDResource) const
    {
        return LoadCursor(MAKEINTRESOURCEA(nIDResource));
    }
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const
    {
        return ::LoadCursorA(nullptr, lpszCursorName);
    }
    HCURSOR LoadOEMCursor(UINT nIDCursor) const
    {
        return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(nIDCursor));
    }

    // Three-dimensional controls are the system's own today.
    BOOL Enable3dControls()
    {
        return TRUE;
    }
    BOOL Enable3dControlsStatic()
    {
        return TRUE;
    }

protected:
    // The framework's box: modeless windows stopped, the safe owner found
    // from pWndOwner (null: the active window) and disabled meanwhile, its
    // help context (or the application's) set to the prompt's, the
    // exclamation icon where none is given, the application name (or the
    // module path) as the caption.
    int ShowMessageBoxOwnedBy(CWnd* pWndOwner, LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    afx_msg void OnFileNew();
    afx_msg void OnAppExit();

    CPtrList m_templateList;
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;
    int m_nModelessDisabled = 0;

    DECLARE_MESSAGE_MAP()
#endif

private:
    static void ReplaceString(LPCTSTR& rpsz, LPCTSTR lpszNew);
    friend void AfxInitAppNames(CWinApp* pApp);
};

// The application object, or null before it is built and after it goes.
CWinApp* AFXAPI AfxGetApp();
LPCTSTR AFXAPI AfxGetAppName();

#ifdef _WIN32
HINSTANCE AFXAPI AfxGetInstanceHandle();
// Where dialogs, menus, strings, icons and bitmaps are loaded from: the
// program's module unless set otherwise.
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// Sets the instance, the command line and the show command of the
// application; a test program without WinMain calls it itself.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// WinMain's work: AfxWinInit, InitApplication, InitInstance, Run.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
#endif

#endif // TANZO_AFX_WINAPP_H
