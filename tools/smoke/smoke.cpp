// A first Windows program: proves that the harness runs real Win32 code
// under Wine (a window, the registry, code page 932, the string table).
// Each check is one command-line word; the exit code is 0 when it holds.
#include "afx/StringTable.h"
#include "afx/wintypes.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
const char kJapanese[] = "表示ソフト：ｶﾀｶﾅと漢字"; // Shift_JIS through the compiler

int Fail(const char* what)
{
    std::printf("smoke: %s\n", what);
    return 1;
}

LRESULT CALLBACK SmokeWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER)
    {
        ::DestroyWindow(hWnd);
        return 0;
    }
    if (msg == WM_DESTROY)
    {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

int CheckWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = SmokeWndProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "TanzoSmokeClass";
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    if (!::RegisterClassA(&wc))
        return Fail("RegisterClass failed");
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, kJapanese, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 320, 200, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hWnd)
        return Fail("CreateWindowEx failed");
    ::ShowWindow(hWnd, SW_SHOW);
    char title[64] = {};
    ::GetWindowTextA(hWnd, title, sizeof(title));
    if (std::strcmp(title, kJapanese) != 0)
        return Fail("window title did not round-trip");
    ::SetTimer(hWnd, 1, 50, nullptr);
    MSG m;
    while (::GetMessageA(&m, nullptr, 0, 0) > 0)
    {
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
    return ::IsWindow(hWnd) ? Fail("window not destroyed") : 0;
}

int CheckRegistry()
{
    const char* path = "Software\\Velmar Soft\\TanzoSmoke";
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return Fail("RegCreateKeyEx failed");
    ::RegSetValueExA(key, "Value", 0, REG_SZ, (const BYTE*)kJapanese, sizeof(kJapanese));
    ::RegCloseKey(key);

    char buf[64] = {};
    DWORD size = sizeof(buf);
    DWORD type = 0;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return Fail("RegOpenKeyEx failed");
    LONG rc = ::RegQueryValueExA(key, "Value", nullptr, &type, (BYTE*)buf, &size);
    ::RegCloseKey(key);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, path);
    if (rc != ERROR_SUCCESS || type != REG_SZ || std::strcmp(buf, kJapanese) != 0)
        return Fail("registry value did not round-trip");
    return 0;
}

int CheckCodePage()
{
    if (::GetACP() != 932)
        return Fail("ANSI code page is not 932 (LANG and LC_ALL must be ja_JP.UTF-8)");
    // 表 is 0x95 0x5C: the trail byte is the backslash.
    if ((unsigned char)kJapanese[0] != 0x95 || kJapanese[1] != 0x5C)
        return Fail("literal is not Shift_JIS");
    WCHAR wide[64] = {};
    int n = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, kJapanese, -1, wide, 64);
    if (n <= 0 || wide[0] != 0x8868 || wide[1] != 0x793A)
        return Fail("MultiByteToWideChar(932) gave the wrong characters");
    char back[64] = {};
    BOOL usedDefault = FALSE;
    ::WideCharToMultiByte(932, 0, wide, -1, back, sizeof(back), nullptr, &usedDefault);
    if (usedDefault || std::strcmp(back, kJapanese) != 0)
        return Fail("round trip through UTF-16 changed the text");
    return 0;
}

int CheckStrings()
{
    char buf[512] = {};
    int n = AfxLoadString(550, buf, sizeof(buf));
    const char expected[] = "リダイレクトの回数が多すぎるため、ページへのアクセスができません。\r\n"
                            "リダイレクトループが含まれている可能性があります。";
    if (n != (int)std::strlen(expected) || std::strcmp(buf, expected) != 0)
        return Fail("string 550 is not the resource script's text in code page 932");
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    std::string what = argc > 1 ? argv[1] : "";
    if (what == "window")
        return CheckWindow();
    if (what == "registry")
        return CheckRegistry();
    if (what == "codepage")
        return CheckCodePage();
    if (what == "strings")
        return CheckStrings();
    return Fail("usage: smoke window|registry|codepage|strings");
}
