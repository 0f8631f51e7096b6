#include "app/ClipboardShell.h"

#include "afx/ScopedWin.h"

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

INT_PTR ShellOpen(LPCTSTR target, HWND window)
{
    if (g_pfnShellOpenHook != nullptr)
        return g_pfnShellOpenHook(target, window);
    return (INT_PTR)::ShellExecuteA(window, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}
