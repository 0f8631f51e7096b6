#ifndef TANZO_APP_DYNAMICLIBRARY_H
#define TANZO_APP_DYNAMICLIBRARY_H

// A system library loaded on first use, for functions that older Windows
// versions lack (Windows builds). The object owns the module and frees it
// when it goes.

#include "afx/wintypes.h"

class CDynamicLibrary
{
public:
    CDynamicLibrary() = default;
    virtual ~CDynamicLibrary();

    // The file name LoadLibrary is given; empty or null: nothing to load.
    virtual LPCTSTR GetLibraryName() const = 0;

    // The module, loaded when it is not yet; null when it can't be.
    HMODULE Load();
    void Free();
    HMODULE GetModule() const { return m_hModule; }

protected:
    HMODULE m_hModule = nullptr;

private:
    CDynamicLibrary(const CDynamicLibrary&) = delete;
    CDynamicLibrary& operator=(const CDynamicLibrary&) = delete;
};

// user32.dll, for SetLayeredWindowAttributes (translucent windows).
class CUser32Library : public CDynamicLibrary
{
public:
    LPCTSTR GetLibraryName() const override;

    // The system function's result; 0 when the library or the function is
    // missing.
    BOOL SetLayeredWindowAttributes(HWND hWnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);
};

#endif // TANZO_APP_DYNAMICLIBRARY_H
