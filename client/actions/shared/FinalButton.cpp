#include "client/actions/shared/FinalButton.h"

#include "auction/operations/OperationPageReaders.h"
#include "client/actions/shared/ListingFormPageReader.h"
#include "text/Charset.h"

BOOL FindFinalButton(CHtmlDocument* pPage, LPCTSTR pageUrl, const FinalButtonSpec& spec, CString& url,
                     int& nCharset)
{
    CString written;
    CString onclick;
    if (!FindButtonOnclickUrl(pPage, written, spec.idPart, spec.classPart, spec.valueTextId, &onclick))
        return FALSE;
    url = ResolvePageAddress(pageUrl, written);
    nCharset = GetScriptCallArgument(onclick, spec.callMarker, spec.charsetArgument);
    if (nCharset == CHARSET_UNKNOWN && IsSellPageUrl(url))
        nCharset = CHARSET_UTF8;
    return TRUE;
}
