#include "client/actions/shared/FinalPostResult.h"

#include "afx/Collections.h"
#include "auction/operations/OperationPageReaders.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
BOOL ReadErrorText(CHtmlDocument* pPage, CString& errorText)
{
    errorText.Empty();
    return GetPageErrorMessage(pPage, errorText, PageErrorBox | PageErrorCodes | PageErrorMarked) != 0;
}
} // namespace

int JudgeFeedbackResult(CHtmlDocument* pPage, CString& errorText)
{
    if (pPage == nullptr)
        return FinalPostUnknown;
    if (ReadErrorText(pPage, errorText))
        return FinalPostRefused;
    // The input or the confirmation form again: nothing was published.
    return pPage->HasElement("form", "action", "leavefeedback", MARKUP_FIND_CONTAINS) ? FinalPostUnknown
                                                                                      : FinalPostDone;
}

int JudgeRemovalResult(CHtmlDocument* pPage, const CStringList& sentIds, CString& errorText)
{
    if (pPage == nullptr)
        return FinalPostUnknown;
    if (ReadErrorText(pPage, errorText))
        return FinalPostRefused;
    CPtrList boxes;
    pPage->FindElements("input", boxes, "name", "aidlist[]");
    for (POSITION pos = boxes.GetHeadPosition(); pos != nullptr;)
    {
        CString value;
        if (!static_cast<CMarkupNode*>(boxes.GetNext(pos))->GetAttribute("value", value))
            continue;
        for (POSITION id = sentIds.GetHeadPosition(); id != nullptr;)
        {
            if (sentIds.GetNext(id) == value)
                return FinalPostUnknown;
        }
    }
    return FinalPostDone;
}
