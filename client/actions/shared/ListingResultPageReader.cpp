#include "client/actions/shared/ListingResultPageReader.h"

#include "afx/Collections.h"
#include "auction/login/PageReaders.h"
#include "auction/operations/OperationPageReaders.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"
#include "text/MbcsString.h"

namespace
{
// An error box that speaks of the form's entries.
const char* const kEntryErrorWords[] = {"正しく入力されていない項目", "未入力の項目", "箇所"};
const char* const kShippingWords[] = {"配送方法", "deliverydetail", "shipname"};
const char kErrorPointsHeading[] = "\r\n※エラー箇所：";
const char kErrorPointSeparator[] = "、";
const char kHacoboonNote[] = "\r\n※エラー補足：「はこBOON」は、2017/"
                             "06に休止（一時休止）されています。「はこBOON」以外の配送方法を設定し"
                             "てください。";

template <size_t N> BOOL ContainsAny(LPCTSTR text, const char* const (&words)[N])
{
    for (const char* word : words)
        if (MbsFind(text, word) >= 0)
            return TRUE;
    return FALSE;
}
} // namespace

BOOL ReadListingErrorText(CHtmlDocument* pPage, CString& out)
{
    CString text;
    const int kind = GetPageErrorMessage(pPage, text, PageErrorBox | PageErrorCodes | PageErrorMarked);
    if (kind == 0)
        return FALSE;
    if (kind == 1 && ContainsAny(text, kEntryErrorWords))
    {
        CStringList points;
        if (CollectErrorPoints(pPage, points))
        {
            text += kErrorPointsHeading;
            for (POSITION pos = points.GetHeadPosition(); pos != nullptr;)
            {
                text += points.GetNext(pos);
                if (pos != nullptr)
                    text += kErrorPointSeparator;
            }
        }
    }
    out = text;
    return TRUE;
}

BOOL AppendHacoboonNote(CString& text)
{
    if (!ContainsAny(text, kEntryErrorWords) || !ContainsAny(text, kShippingWords))
        return FALSE;
    text += kHacoboonNote;
    return TRUE;
}

BOOL IsGarbledCompletion(CHtmlDocument* pPage, LPCTSTR sentTitle, CString& pageTitle)
{
    if (pPage == nullptr || sentTitle == nullptr || *sentTitle == '\0' || MbsFindChar(sentTitle, '?') >= 0)
        return FALSE;
    CString shown;
    GetPageMessageText(pPage, shown, "untBody", FALSE);
    if (shown == sentTitle)
        return FALSE;
    CString title;
    if (!pPage->GetTitle(title) || MbsFindChar(title, '?') < 0)
        return FALSE;
    pageTitle = title;
    return TRUE;
}

CString FormatSubmitDiagnostics(LPCTSTR url, int sentCharset, int pageCharset)
{
    CString sent;
    CString page;
    CharsetNameFromCode(sentCharset, sent);
    CharsetNameFromCode(pageCharset, page);
    CString text;
    text.FormatMessage(IDS_SUBMIT_DIAGNOSTICS, url != nullptr ? url : "", (LPCTSTR)sent, (LPCTSTR)page);
    return text;
}
