#include "client/actions/ResubmitWindowPrompt.h"

#include "app/ChoiceMessageDialog.h"
#include "app/MessageBoxDialog.h"
#include "net/HttpComm.h"
#include "net/ProgressSinkRef.h"

BOOL CResubmitWindowPrompt::IsStopped(const CProgressSinkRef& progress)
{
    return progress.GetHttpComm() != nullptr && progress.GetHttpComm()->IsCancelled();
}

void CResubmitWindowPrompt::ShowNotice(const CProgressSinkRef& progress, LPCTSTR text)
{
    if (IsStopped(progress))
        return;
    CSimpleMessageDialog notice(text, m_pParentWnd);
    notice.DoModal();
}

int CResubmitWindowPrompt::ShowHeadedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR heading,
                                             UINT nType)
{
    if (IsStopped(progress))
        return IDCANCEL;
    CChoiceMessageDialog box(text, m_pParentWnd);
    box.SetStyle(nType);
    box.SetHeading(heading);
    return (int)box.DoModal();
}

int CResubmitWindowPrompt::ShowLinkedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR url,
                                             LPCTSTR linkText, UINT nType)
{
    if (IsStopped(progress))
        return IDCANCEL;
    CChoiceMessageDialog box(text, m_pParentWnd);
    box.SetStyle(nType);
    box.SetUrl(url, linkText);
    return (int)box.DoModal();
}
