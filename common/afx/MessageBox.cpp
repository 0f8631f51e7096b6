#include "afx/MessageBox.h"

#include "afx/StringTable.h"

#include <string>

namespace
{
AFX_MESSAGEBOX_HOOK g_pfnHook = nullptr;
void* g_pHookParam = nullptr;
} // namespace

AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK pfnHook, void* pParam)
{
    AFX_MESSAGEBOX_HOOK prev = g_pfnHook;
    g_pfnHook = pfnHook;
    g_pHookParam = pParam;
    return prev;
}

int AfxDefaultMessageBoxAnswer(UINT nType)
{
    static const int buttons[6][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    UINT type = nType & MB_TYPEMASK;
    if (type > 5)
        type = 0;
    UINT def = (nType & MB_DEFMASK) >> 8;
    if (def > 2)
        def = 0;
    return buttons[type][def];
}

// Shows the box for real; the Windows side lives with the application object.
int AfxShowMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp);

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (g_pfnHook != nullptr)
        return g_pfnHook(lpszText != nullptr ? lpszText : "", nType, g_pHookParam);
    return AfxShowMessageBox(lpszText != nullptr ? lpszText : "", nType, nIDHelp);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    std::string text(4096, '\0');
    int len = AfxLoadString(nIDPrompt, &text[0], (UINT)text.size());
    text.resize(len > 0 ? (size_t)len : 0);
    return AfxMessageBox(text.c_str(), nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}

#ifndef _WIN32
int AfxShowMessageBox(LPCTSTR, UINT nType, UINT)
{
    return AfxDefaultMessageBoxAnswer(nType);
}
#endif
