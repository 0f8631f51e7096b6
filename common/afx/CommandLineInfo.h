#ifndef TANZO_AFX_COMMANDLINEINFO_H
#define TANZO_AFX_COMMANDLINEINFO_H

// CCommandLineInfo: the standard shell command of a program's command line.
// CWinApp::ParseCommandLine (Windows) gives it each argument;
// ProcessShellCommand carries out m_nShellCommand. Portable.

#include "afx/Object.h"
#include "afx/String.h"
#include "afx/wintypes.h"

class CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo() = default;

    // An argument; bFlag when it began with '-' or '/' (dropped from
    // pszParam). The first plain argument is the file to open; "p" and
    // "pt" ask for printing, "dde" for a DDE open, "Unregister" and
    // "Unregserver" for unregistering, "Embedding" and "Automation" for a
    // server start.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(LPCTSTR pszParam);
    void ParseParamNotFlag(LPCTSTR pszParam);
    void ParseLast(BOOL bLast);
};

#endif // TANZO_AFX_COMMANDLINEINFO_H
