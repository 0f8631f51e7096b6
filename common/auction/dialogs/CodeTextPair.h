#ifndef TANZO_AUCTION_CODETEXTPAIR_H
#define TANZO_AUCTION_CODETEXTPAIR_H

#include "afx/String.h"

// A code and its text, as the lists of the auction dialogs hold them.
class CCodeTextPair
{
public:
    CCodeTextPair() : m_nCode(0) {}
    CCodeTextPair(int nCode, LPCTSTR text) : m_nCode(nCode), m_strText(text) {}

    void Clear()
    {
        m_nCode = 0;
        m_strText.Empty();
    }

    int m_nCode;
    CString m_strText;
};

#endif // TANZO_AUCTION_CODETEXTPAIR_H
