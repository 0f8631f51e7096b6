#include "client/actions/SendOnceScope.h"

#include "auction/AuctionItem.h"
#include "client/TanzoOperation.h"
#include "net/HttpComm.h"
#include "net/ProgressSinkRef.h"

CSendOnceScope::CSendOnceScope(CHttpComm* pHttp) : m_pHttp(pHttp), m_bWasQuiet(FALSE)
{
    if (m_pHttp == nullptr)
        return;
    m_bWasQuiet = m_pHttp->TestAny(CHttpComm::flagQuiet) != 0;
    m_pHttp->Add(CHttpComm::flagQuiet);
}

CSendOnceScope::~CSendOnceScope()
{
    if (m_pHttp != nullptr && !m_bWasQuiet)
        m_pHttp->Remove(CHttpComm::flagQuiet);
}

void ShowFinalPostUnanswered(const CProgressSinkRef& progress, const AuctionItem& item)
{
    CString message, line;
    message.LoadString(CTanzoOperation::IDS_MAYBE_FAILED);
    item.FormatTitleWithID(line, FALSE);
    progress.ShowMessage(message + "\r\n\r\n" + line, MB_OK);
}
