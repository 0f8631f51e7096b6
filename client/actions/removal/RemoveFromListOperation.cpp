#include "client/actions/removal/RemoveFromListOperation.h"

#include "afx/Collections.h"
#include "afx/LoadText.h"
#include "auction/records/AuctionItem.h"
#include "client/TanzoDocData.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/removal/AuctionListForm.h"
#include "client/actions/removal/RemovalBatches.h"
#include "client/actions/shared/FinalPost.h"
#include "client/actions/shared/FinalPostResult.h"
#include "client/actions/shared/PageForm.h"
#include "net/HttpComm.h"
#include "text/MarkupNode.h"

namespace
{
const TCHAR kRemoveBidPath[] = "config/removebid";
const TCHAR kRemoveClosedPath[] = "config/removeclosed";

} // namespace

CRemoveFromListOperation::CRemoveFromListOperation(LPCTSTR listUrl, int nRemovalKind, CHttpComm* pHttpComm,
                                                   CProgressSink* pSink)
    : CTanzoOperation(pHttpComm, pSink), m_strListUrl(listUrl), m_nRemovalKind(nRemovalKind),
      m_bRemoved(FALSE)
{
}

CRemoveFromListOperation::~CRemoveFromListOperation() {}

int CRemoveFromListOperation::GetOperationType() const
{
    return OperationType;
}

void CRemoveFromListOperation::ReportResult(BOOL) {}

LPCTSTR CRemoveFromListOperation::GetRemovalPath(int nRemovalKind)
{
    return nRemovalKind == RemoveWon ? kRemoveBidPath : kRemoveClosedPath;
}

BOOL CRemoveFromListOperation::Run()
{
    CProgressTextGuard clearStatus(&GetProgress());
    const int nBatches = GetRemovalBatchCount(GetTargets());
    const CString caption = LoadText(IDS_REMOVE_CAPTION);
    BOOL bDone = TRUE;
    POSITION pos = GetTargets().GetHeadPosition();
    for (int i = 1; pos != nullptr && bDone; ++i)
    {
        CString text;
        text.Format(caption, i, nBatches);
        GetProgress().SetTitle(text);
        bDone = RemoveBatch(pos);
    }
    // Done, failed or stopped: the memos of removed items are gone on
    // disk too.
    if (m_bRemoved)
        SaveUserEditsNow();
    return bDone;
}

BOOL CRemoveFromListOperation::RemoveBatch(POSITION& pos)
{
    if (pos == nullptr || GetHttpComm() == nullptr)
        return FALSE;
    AuctionItem* pFirst = GetTargets().GetAt(pos);
    if (pFirst == nullptr)
        return FALSE;
    const BOOL bMoreFollow = pos != GetTargets().GetTailPosition();
    CStringList ids;
    const BOOL bComplete = TakeRemovalBatch(GetTargets(), pos, ids);
    if (ids.IsEmpty())
        return bComplete;
    return PostBatch(ids, *pFirst, bMoreFollow) && bComplete;
}

CMarkupNode* CRemoveFromListOperation::FindRemovalForm()
{
    CHttpComm* pHttp = GetHttpComm();
    CPtrList forms;
    if (pHttp->FindElements("form", forms, "name", "auctionList", MARKUP_FIND_FIRST) ||
        pHttp->FindElements("form", forms, "action", GetRemovalPath(m_nRemovalKind),
                            MARKUP_FIND_CONTAINS | MARKUP_FIND_FIRST))
        return static_cast<CMarkupNode*>(forms.GetHead());
    return nullptr;
}

BOOL CRemoveFromListOperation::PostBatch(const CStringList& ids, const AuctionItem& first, BOOL bMoreFollow)
{
    CHttpComm* pHttp = GetHttpComm();
    CString line;
    FormatRemovalItemLine(first, bMoreFollow, line);
    GetProgress().SetSubStatus(line);
    GetProgress().SetStatusId(IDS_REMOVE_OPENING_LIST);
    if (!Get(m_strListUrl))
        return FALSE;

    CMarkupNode* pForm = FindRemovalForm();
    if (pForm == nullptr)
    {
        GetProgress().ShowMessageId(IDS_REMOVE_NO_FORM, MB_OK);
        return FALSE;
    }
    CAuctionListForm form(pHttp, pHttp->GetCharset());
    CString action;
    if (!TakePageForm(pHttp, pForm, form, &action))
    {
        GetProgress().ShowMessageId(IDS_JOB_NO_PARAMETERS, MB_OK);
        return FALSE;
    }
    int nField = CAuctionListForm::FieldFirstID;
    for (POSITION pos = ids.GetHeadPosition(); pos != nullptr; ++nField)
        form.SetAt(nField, ids.GetNext(pos));
    CString status;
    status.Format(LoadText(IDS_REMOVE_SUBMITTING), (int)ids.GetCount());
    GetProgress().SetStatus(status);

    CString body;
    form.BuildBody(body);
    if (!SendFinalPost(*this, action, body, first))
        return FALSE;
    if (!CheckCompletion())
        return FALSE;
    CString error;
    switch (JudgeRemovalResult(pHttp, ids, error))
    {
    case FinalPostDone:
        break;
    case FinalPostRefused:
        ReportServerError(error);
        return FALSE;
    default:
        ShowFinalPostUnanswered(GetProgress(), first);
        return FALSE;
    }
    if (CTanzoDocData* pDocument = GetDocument())
    {
        for (POSITION pos = ids.GetHeadPosition(); pos != nullptr;)
        {
            if (pDocument->RemoveUserEdit(ids.GetNext(pos)))
                m_bRemoved = TRUE;
        }
    }
    return TRUE;
}
