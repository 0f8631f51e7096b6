#ifndef TANZO_TESTS_APP_PROFILETESTUTIL_H
#define TANZO_TESTS_APP_PROFILETESTUTIL_H

// What a test finds in the profile store itself, beside the program's own
// readers (both builds).

#include "afx/Profile.h"
#include "afx/WinApp.h"

#include <string>
#include <vector>

// A value of the section as stored: a string, or a number in decimal;
// "(none)" when it is missing.
inline std::string StoredProfileValue(const CWinApp& app, LPCTSTR lpszSection, LPCTSTR lpszKey)
{
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (!AfxProfileRead(app.GetProfileSectionKey(lpszSection), lpszKey, &dwType, &data) || data.empty())
        return "(none)";
    if (dwType == REG_DWORD && data.size() >= 4)
        return std::to_string(*(const int*)data.data());
    return std::string((const char*)data.data());
}

#endif // TANZO_TESTS_APP_PROFILETESTUTIL_H
