#include "afx/StringTable.h"

#include <cstring>
#include <map>

#ifdef _WIN32

#include "afx/WinApp.h"

void AfxRegisterStringTable(const AFX_STRING_ENTRY*, int) {}

int AfxLoadString(UINT nID, char* lpszBuf, UINT nMaxBuf)
{
    if (lpszBuf == nullptr || nMaxBuf == 0)
        return 0;
    lpszBuf[0] = '\0';
    // The resources are UTF-16; LoadStringA gives them in the ANSI code page.
    return ::LoadStringA(AfxGetResourceHandle(), nID, lpszBuf, (int)nMaxBuf);
}

#else

namespace
{
std::map<UINT, const char*>& Table()
{
    static std::map<UINT, const char*> table;
    return table;
}
} // namespace

void AfxRegisterStringTable(const AFX_STRING_ENTRY* pEntries, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        Table()[pEntries[i].nID] = pEntries[i].pszText;
}

int AfxLoadString(UINT nID, char* lpszBuf, UINT nMaxBuf)
{
    if (lpszBuf == nullptr || nMaxBuf == 0)
        return 0;
    lpszBuf[0] = '\0';
    auto it = Table().find(nID);
    if (it == Table().end())
        return 0;
    size_t len = std::strlen(it->second);
    if (len > nMaxBuf - 1)
        len = nMaxBuf - 1; // as LoadString: truncated to the buffer
    std::memcpy(lpszBuf, it->second, len);
    lpszBuf[len] = '\0';
    return (int)len;
}

#endif
