#include "app/ClipboardShell.h"

#include "afx/ScopedWin.h"
#include "app/WebAddress.h"

#include <shellapi.h>

#include <cstring>

BOOL SetClipboardText(LPCTSTR text, HWND window, BOOL displayFormat, BOOL append)
{
    if (text == nullptr || *text == '\0')
        return FALSE;
    size_t size = std::strlen(text) + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr)
        return FALSE;
    void* data = ::GlobalLock(block);
    if (data == nullptr)
    {
        ::GlobalFree(block);
        return FALSE;
    }
    std::memcpy(data, text, size);
    ::GlobalUnlock(block);

    CScopedClipboard clipboard(window);
    bool handedOver = clipboard.IsOpen() && (append || ::EmptyClipboard()) &&
                      ::SetClipboardData(displayFormat ? CF_DSPTEXT : CF_TEXT, block) != nullptr;
    if (!handedOver)
        ::GlobalFree(block);
    return handedOver ? TRUE : FALSE;
}

BOOL GetClipboardText(CString& out, HWND window, BOOL displayFormat)
{
    UINT format = displayFormat ? CF_DSPTEXT : CF_TEXT;
    if (!::IsClipboardFormatAvailable(format))
        return FALSE;
    CScopedClipboard clipboard(window);
    if (!clipboard.IsOpen())
        return FALSE;
    HANDLE block = ::GetClipboardData(format);
    if (block == nullptr)
        return FALSE;
    const char* data = (const char*)::GlobalLock(block);
    if (data == nullptr)
        return FALSE;
    // The block may lack a terminator: never read past its size.
    size_t size = ::GlobalSize(block);
    const char* end = (const char*)std::memchr(data, '\0', size);
    out = CString(data, (int)(end != nullptr ? (size_t)(end - data) : size));
    ::GlobalUnlock(block);
    return TRUE;
}

namespace
{
SHELL_OPEN_HOOK g_pfnShellOpenHook = nullptr;
} // namespace

SHELL_OPEN_HOOK SetShellOpenHook(SHELL_OPEN_HOOK pfnHook)
{
    SHELL_OPEN_HOOK pfnOld = g_pfnShellOpenHook;
    g_pfnShellOpenHook = pfnHook;
    return pfnOld;
}

BOOL OpenInBrowser(LPCTSTR url, HWND window)
{
    // The shell would run a program, open a file or a share, or hand the
    // text to any registered protocol: only the browser's addresses go.
    if (!IsWebAddress(url))
        return FALSE;
    const INT_PTR nResult =
        g_pfnShellOpenHook != nullptr
            ? g_pfnShellOpenHook(url, window)
            : (INT_PTR)::ShellExecuteA(window, "open", url, nullptr, nullptr, SW_SHOWNORMAL);
    // ShellExecute's success is a value above 32.
    return nResult > 32;
}
