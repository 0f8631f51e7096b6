#include "text/TextSpan.h"

#include <climits>

BOOL CTextSpan::Extend(int position, int count)
{
    if (position < 0 || count < 0)
        return FALSE;
    if (m_nStart < 0)
    {
        m_nStart = position;
        m_nLength = count;
        return TRUE;
    }
    if (position != m_nStart + m_nLength || count > INT_MAX - position)
        return FALSE;
    m_nLength += count;
    return TRUE;
}

void CTextSpan::AppendTo(CString& out)
{
    if (m_nStart >= 0 && m_pSource != nullptr && m_nLength > 0)
    {
        const char* p = m_pSource + m_nStart;
        int n = 0;
        while (n < m_nLength && p[n] != '\0')
            ++n;
        out += CString(p, n);
    }
    Empty();
}
