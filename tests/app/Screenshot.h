#ifndef TANZO_TESTS_APP_SCREENSHOT_H
#define TANZO_TESTS_APP_SCREENSHOT_H

// Screenshots of windows for the tests (Windows builds, run under Wine):
// a window is shown on a desktop of its own, which Wine shows as a virtual
// desktop, so that its frame and caption are drawn; it is captured from its
// own pixels, whatever covers it on the display, as a PNG in the test
// program's folder ("screenshots"), and its texts are checked for
// characters its font has no glyph for. Once a process has used a virtual
// desktop, Wine makes its later windows there too: each screenshot test
// runs in a process of its own, a copy of the test program on the
// display's own desktop.
//
//   TEST(MyScreens, Dialog)
//   {
//       RUN_IN_SCREENSHOT_PROCESS();
//       RunInVirtualDesktop([&] {
//           ... create and show the window, then
//           ScreenshotResult shot = SaveWindowScreenshot(hWnd, "my-dialog");
//       });
//   }
#ifdef _WIN32

#include "DialogTestUtil.h"
#include "TestDesktop.h"

#include "afx/Dialog.h"
#include "afx/wintypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

// The first statement of a screenshot test: it runs in a copy of the test
// program on the display's own desktop, and passes or fails with it.
#define RUN_IN_SCREENSHOT_PROCESS() RUN_ON_DISPLAY_DESKTOP("a screenshot in a process of its own")

// Runs fn on a thread of its own whose windows live on a desktop of their
// own (one per process, 1024 x 768). FALSE when the desktop or the thread
// can't be made, or fn did not end within the time.
inline BOOL RunInVirtualDesktop(const std::function<void()>& fn, int nTimeoutMs = 60000)
{
    struct Job
    {
        const std::function<void()>* pFn;
        BOOL bOnDesktop;
        char szName[64];
        static DWORD WINAPI Run(LPVOID pParam)
        {
            auto* pJob = (Job*)pParam;
            HDESK hDesktop = CreateVirtualDesktop(pJob->szName, 1024, 768);
            pJob->bOnDesktop = hDesktop != nullptr && ::SetThreadDesktop(hDesktop);
            if (pJob->bOnDesktop)
                (*pJob->pFn)();
            return 0;
        }
    } job = {&fn, FALSE, {}};
    std::snprintf(job.szName, sizeof(job.szName), "TanzoShots%lu", (unsigned long)::GetCurrentProcessId());
    HANDLE hThread = ::CreateThread(nullptr, 0, Job::Run, &job, 0, nullptr);
    if (hThread == nullptr)
        return FALSE;
    const BOOL bEnded = ::WaitForSingleObject(hThread, (DWORD)nTimeoutMs) == WAIT_OBJECT_0;
    ::CloseHandle(hThread);
    if (bEnded)
        ForgetVirtualDesktop(job.szName);
    return bEnded && job.bOnDesktop;
}

// A 24-bit image as a PNG file (stored, not compressed).
inline BOOL WritePngFile(const std::string& path, int nWidth, int nHeight, const std::vector<BYTE>& rgb)
{
    auto crc32 = [](const BYTE* p, size_t n, DWORD crc)
    {
        crc = ~crc;
        for (size_t i = 0; i < n; ++i)
        {
            crc ^= p[i];
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    };
    auto put32 = [](std::vector<BYTE>& out, DWORD v)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back((BYTE)(v >> shift));
    };
    auto chunk = [&](std::vector<BYTE>& out, const char* type, const std::vector<BYTE>& data)
    {
        put32(out, (DWORD)data.size());
        std::vector<BYTE> typed(type, type + 4);
        typed.insert(typed.end(), data.begin(), data.end());
        out.insert(out.end(), typed.begin(), typed.end());
        put32(out, crc32(typed.data(), typed.size(), 0));
    };
    // Rows, each after its filter byte (none).
    std::vector<BYTE> raw;
    for (int y = 0; y < nHeight; ++y)
    {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + (size_t)y * nWidth * 3,
                   rgb.begin() + (size_t)(y + 1) * nWidth * 3);
    }
    std::vector<BYTE> zlib = {0x78, 0x01};
    DWORD a = 1, b = 0;
    for (BYTE byte : raw)
    {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0;)
    {
        const size_t n = std::min<size_t>(65535, raw.size() - at);
        zlib.push_back(at + n >= raw.size() ? 1 : 0);
        zlib.push_back((BYTE)(n & 0xFF));
        zlib.push_back((BYTE)(n >> 8));
        zlib.push_back((BYTE)(~n & 0xFF));
        zlib.push_back((BYTE)((~n >> 8) & 0xFF));
        zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
        if (n == 0)
            break;
    }
    put32(zlib, (b << 16) | a);

    std::vector<BYTE> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<BYTE> header;
    put32(header, (DWORD)nWidth);
    put32(header, (DWORD)nHeight);
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", zlib);
    chunk(png, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return FALSE;
    const BOOL bWritten = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && bWritten;
}

struct ScreenshotResult
{
    BOOL bSaved = FALSE;
    std::string path;
    int nWidth = 0;
    int nHeight = 0;
    int nColours = 0; // distinct colours seen (a blank window has one or two)
};

// The folder of the test program, with "screenshots" made in it.
inline std::string ScreenshotFolder()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    std::string folder = szPath;
    folder = folder.substr(0, folder.find_last_of("\\/") + 1) + "screenshots";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Captures the window with its frame into <ScreenshotFolder>\<name>.png,
// from the pixels Wine shows for it rather than from the display, where
// the windows of the test programs running beside it may lie over it.
inline ScreenshotResult SaveWindowScreenshot(HWND hWnd, const char* name)
{
    ScreenshotResult result;
    RECT rc;
    if (!::GetWindowRect(hWnd, &rc))
        return result;
    result.nWidth = rc.right - rc.left;
    result.nHeight = rc.bottom - rc.top;
    HDC hWindow = ::GetWindowDC(hWnd);
    HDC hMem = ::CreateCompatibleDC(hWindow);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = result.nWidth;
    info.bmiHeader.biHeight = -result.nHeight; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hWindow, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, result.nWidth, result.nHeight, hWindow, 0, 0, SRCCOPY);
    ::GdiFlush();
    std::vector<BYTE> rgb;
    std::vector<DWORD> colours;
    const DWORD* pPixels = (const DWORD*)pBits;
    for (int i = 0; pPixels != nullptr && i < result.nWidth * result.nHeight; ++i)
    {
        const DWORD px = pPixels[i] & 0xFFFFFF;
        rgb.push_back((BYTE)(px >> 16));
        rgb.push_back((BYTE)(px >> 8));
        rgb.push_back((BYTE)px);
        if (colours.size() < 1000 && std::find(colours.begin(), colours.end(), px) == colours.end())
            colours.push_back(px);
    }
    result.nColours = (int)colours.size();
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(hWnd, hWindow);
    result.path = ScreenshotFolder() + "\\" + name + ".png";
    result.bSaved = pPixels != nullptr && WritePngFile(result.path, result.nWidth, result.nHeight, rgb);
    return result;
}

// The characters of the window's texts (its own and every visible child
// window's) that the font it shows them in has no glyph for, each with the
// window's text; "" when all have one.
inline std::string MissingGlyphs(HWND hWnd)
{
    struct Checker
    {
        std::string missing;
        static void Check(HWND hWindow, std::string& missing)
        {
            WCHAR szText[2048] = {};
            const int nLength = ::GetWindowTextW(hWindow, szText, 2048);
            if (nLength <= 0)
                return;
            HDC hDC = ::GetDC(hWindow);
            HFONT hFont = (HFONT)::SendMessageW(hWindow, WM_GETFONT, 0, 0);
            HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
            std::vector<WORD> indices(nLength);
            ::GetGlyphIndicesW(hDC, szText, nLength, indices.data(), GGI_MARK_NONEXISTING_GLYPHS);
            for (int i = 0; i < nLength; ++i)
            {
                // Line breaks and tabs are no glyphs of any font.
                if (indices[i] == 0xFFFF && szText[i] >= 0x20)
                {
                    char szChar[8] = {}, szWhole[4096] = {};
                    ::WideCharToMultiByte(CP_ACP, 0, &szText[i], 1, szChar, sizeof(szChar), nullptr, nullptr);
                    ::WideCharToMultiByte(CP_ACP, 0, szText, -1, szWhole, sizeof(szWhole), nullptr, nullptr);
                    missing += std::string("'") + szChar + "' in \"" + szWhole + "\"; ";
                }
            }
            if (hOld != nullptr)
                ::SelectObject(hDC, hOld);
            ::ReleaseDC(hWindow, hDC);
        }
        // A picture static's text is its image's resource id, not a text.
        static BOOL IsPicture(HWND hChild)
        {
            char szClass[16] = {};
            ::GetClassNameA(hChild, szClass, sizeof(szClass));
            const LONG_PTR nType = ::GetWindowLongPtrA(hChild, GWL_STYLE) & SS_TYPEMASK;
            return lstrcmpiA(szClass, "Static") == 0 &&
                   (nType == SS_BITMAP || nType == SS_ICON || nType == SS_ENHMETAFILE);
        }
        static BOOL CALLBACK Child(HWND hChild, LPARAM lParam)
        {
            if (::IsWindowVisible(hChild) && !IsPicture(hChild))
                Check(hChild, ((Checker*)lParam)->missing);
            return TRUE;
        }
    } checker;
    Checker::Check(hWnd, checker.missing);
    ::EnumChildWindows(hWnd, Checker::Child, (LPARAM)&checker);
    return checker.missing;
}

// Shows the dialog modally in the virtual desktop, takes its picture once
// it has painted, then closes it.
inline ScreenshotResult ShootModalDialog(CDialog& dlg, const char* name, std::string& missing)
{
    ScreenshotResult shot;
    const BOOL bRan = RunInVirtualDesktop(
        [&]
        {
            CallWhenShown(&dlg.m_hWnd,
                          [&]
                          {
                              dlg.RedrawWindow(nullptr, nullptr,
                                               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
                              // Taken again until the window's paint has reached the
                              // desktop.
                              PumpUntil(
                                  [&]
                                  {
                                      shot = SaveWindowScreenshot(dlg.m_hWnd, name);
                                      return shot.nColours > 8;
                                  },
                                  10000);
                              missing = MissingGlyphs(dlg.m_hWnd);
                              dlg.EndDialog(IDCANCEL);
                          });
            dlg.DoModal();
        });
    EXPECT_TRUE(bRan) << "no virtual desktop";
    return shot;
}

#endif // _WIN32
#endif // TANZO_TESTS_APP_SCREENSHOT_H
