#ifndef TANZO_NET_PROGRESSSINKREF_H
#define TANZO_NET_PROGRESSSINKREF_H

#include "afx/wintypes.h"

class CHttpComm;
class CProgressSink;

// The handle through which an operation reports: the conversation its
// requests run on and the sink that shows its progress, neither owned.
// Without a sink every call does nothing, so the same work runs silently.
// Null texts reach the sink as empty texts.
class CProgressSinkRef
{
public:
    CProgressSinkRef(CHttpComm* pHttpComm = nullptr, CProgressSink* pSink = nullptr);

    CHttpComm* GetHttpComm() const { return m_pHttpComm; }
    void SetHttpComm(CHttpComm* pHttpComm) { m_pHttpComm = pHttpComm; }
    CProgressSink* GetSink() const { return m_pSink; }
    void SetSink(CProgressSink* pSink) { m_pSink = pSink; }

    void SetStatus(LPCTSTR lpszText) const;
    // Id 0 clears the status line.
    void SetStatusId(UINT nID) const;
    // The sink's answer; 0 when there is no sink and so nobody to ask.
    int ShowMessage(LPCTSTR lpszText, UINT nType) const;
    int ShowMessageId(UINT nID, UINT nType) const;
    void SetTitle(LPCTSTR lpszText) const;
    void SetSubStatus(LPCTSTR lpszText) const;

private:
    CHttpComm* m_pHttpComm;
    CProgressSink* m_pSink;
};

// Clears the status line of a reference when the scope ends, on every way
// out of a routine that sets it.
class CProgressTextGuard
{
public:
    explicit CProgressTextGuard(const CProgressSinkRef* pRef) : m_pRef(pRef) {}
    ~CProgressTextGuard();

    CProgressTextGuard(const CProgressTextGuard&) = delete;
    CProgressTextGuard& operator=(const CProgressTextGuard&) = delete;

private:
    const CProgressSinkRef* m_pRef;
};

#endif // TANZO_NET_PROGRESSSINKREF_H
