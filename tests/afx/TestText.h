#ifndef TANZO_TESTS_AFX_TESTTEXT_H
#define TANZO_TESTS_AFX_TESTTEXT_H

#include <string>

#include "afx/String.h"

// A text of the program's string table as the tests compare it, formatted
// with the insert when one is given.
inline std::string LoadText(UINT nID, LPCTSTR insert = nullptr)
{
    CString text;
    if (insert != nullptr)
        text.FormatMessage(nID, insert);
    else
        text.LoadString(nID);
    return (LPCTSTR)text;
}

#endif // TANZO_TESTS_AFX_TESTTEXT_H
