#include "app/DynamicLibrary.h"

CDynamicLibrary::~CDynamicLibrary()
{
    Free();
}

HMODULE CDynamicLibrary::Load()
{
    if (m_hModule == nullptr)
    {
        LPCTSTR lpszName = GetLibraryName();
        if (lpszName != nullptr && *lpszName != '\0')
            m_hModule = ::LoadLibraryA(lpszName);
    }
    return m_hModule;
}

void CDynamicLibrary::Free()
{
    if (m_hModule != nullptr)
    {
        ::FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
}

LPCTSTR CUser32Library::GetLibraryName() const
{
    return "user32.dll";
}

BOOL CUser32Library::SetLayeredWindowAttributes(HWND hWnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags)
{
    typedef BOOL(WINAPI * PFN_SETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);
    HMODULE hModule = Load();
    if (hModule == nullptr)
        return FALSE;
    FARPROC pfn = ::GetProcAddress(hModule, "SetLayeredWindowAttributes");
    if (pfn == nullptr)
        return FALSE;
    return reinterpret_cast<PFN_SETLAYEREDWINDOWATTRIBUTES>(reinterpret_cast<void*>(pfn))(hWnd, crKey, bAlpha,
                                                                                          dwFlags);
}
