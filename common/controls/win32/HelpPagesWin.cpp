#include "controls/HelpPages.h"

BOOL LoadHelpPage(HMODULE hModule, UINT nPageId, CString& strPage)
{
    strPage.Empty();
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA(nPageId), RT_HTML);
    HGLOBAL hData = hInfo != nullptr ? ::LoadResource(hModule, hInfo) : nullptr;
    const char* pData = hData != nullptr ? static_cast<const char*>(::LockResource(hData)) : nullptr;
    if (pData == nullptr)
        return FALSE;
    strPage = CString(pData, (int)::SizeofResource(hModule, hInfo));
    return TRUE;
}
