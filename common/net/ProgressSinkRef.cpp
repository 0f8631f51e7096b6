#include "net/ProgressSinkRef.h"

#include "afx/String.h"
#include "net/ProgressSink.h"

namespace
{
LPCTSTR NonNull(LPCTSTR lpszText)
{
    return lpszText != nullptr ? lpszText : "";
}
} // namespace

CProgressSinkRef::CProgressSinkRef(CHttpComm* pHttpComm, CProgressSink* pSink)
    : m_pHttpComm(pHttpComm), m_pSink(pSink)
{
}

void CProgressSinkRef::SetStatus(LPCTSTR lpszText) const
{
    if (m_pSink != nullptr)
        m_pSink->SetStatus(NonNull(lpszText));
}

void CProgressSinkRef::SetStatusId(UINT nID) const
{
    if (m_pSink == nullptr)
        return;
    CString text;
    if (nID != 0)
        text.LoadString(nID);
    m_pSink->SetStatus(text);
}

int CProgressSinkRef::ShowMessage(LPCTSTR lpszText, UINT nType) const
{
    return m_pSink != nullptr ? m_pSink->ShowMessage(NonNull(lpszText), nType) : 0;
}

int CProgressSinkRef::ShowMessageId(UINT nID, UINT nType) const
{
    return m_pSink != nullptr ? m_pSink->ShowMessageId(nID, nType) : 0;
}

void CProgressSinkRef::SetTitle(LPCTSTR lpszText) const
{
    if (m_pSink != nullptr)
        m_pSink->SetTitle(NonNull(lpszText));
}

void CProgressSinkRef::SetSubStatus(LPCTSTR lpszText) const
{
    if (m_pSink != nullptr)
        m_pSink->SetSubStatus(NonNull(lpszText));
}

CProgressTextGuard::~CProgressTextGuard()
{
    if (m_pRef != nullptr)
        m_pRef->SetStatusId(0);
}
