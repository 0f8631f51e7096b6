#include "FeedbackStandIn.h"

#include <cstdlib>

#include "client/ListReaders.h"
#include "net/HttpComm.h"
#include "net/win32/StandIn.h"
#include "text/JsonDocument.h"
#include "text/JsonKeyValue.h"
#include "text/JsonValue.h"

namespace
{
std::string TextOf(const CJsonValue* pValue)
{
    if (pValue == nullptr)
        return std::string();
    CString text;
    pValue->ToTextStyled(text, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
    return text == "null" ? std::string() : std::string((LPCTSTR)text);
}

std::string Member(const CJsonValue* pObject, const char* name)
{
    return TextOf(pObject != nullptr ? pObject->FindValue(name, 0) : nullptr);
}

// A control read as JSON; false when it failed.
bool ReadControl(const std::string& path, CJsonDocument& json)
{
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    if (!comm.Request(StandIn::Url("CONTROL", path).c_str(), nullptr, FALSE))
        return false;
    CString body;
    comm.GetBody(body, TRUE);
    return json.Parse(body) == JSON_PARSE_OK && json.GetRoot() != nullptr;
}

bool PostControl(const std::string& path, const std::string& json)
{
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    return comm.Send(StandIn::Url("CONTROL", path).c_str(), json.data(), (DWORD)json.size(),
                     "Content-Type: application/json\r\n", FALSE, 0) != FALSE;
}

std::unique_ptr<CMyAuctionListReader> Reader(const std::string& list)
{
    if (list == "won")
        return std::unique_ptr<CMyAuctionListReader>(new CWonListReader);
    if (list == "closed-nowinner")
        return std::unique_ptr<CMyAuctionListReader>(new CClosedNoWinnerListReader);
    return std::unique_ptr<CMyAuctionListReader>(new CClosedWinnerListReader);
}

std::string KeyOf(const CJsonValue* pValue)
{
    return (LPCTSTR) static_cast<const CJsonKeyValue*>(pValue)->GetKey();
}

const CJsonValue* ValueOf(const CJsonValue* pValue)
{
    return static_cast<const CJsonKeyValue*>(pValue)->GetValue();
}
} // namespace

namespace FeedbackStandIn
{
Items ReadList(const char* list, int nPages)
{
    Items items;
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    std::unique_ptr<CMyAuctionListReader> reader = Reader(list);
    reader->SetHttpComm(&comm);
    for (int page = 1; page <= nPages; ++page)
    {
        CTanzoAuctionItemList read;
        reader->SetPage(page);
        const int answer = reader->FetchPage(read, page == 1, nullptr);
        while (!read.IsEmpty())
            items.emplace_back(read.RemoveHead());
        if (answer != CMyAuctionListReader::PageRead)
            break;
    }
    return items;
}

TanzoAuctionItem* FirstWinnerListItem(const Items& items)
{
    for (const auto& item : items)
    {
        if (item->HasWinnerListEntry())
            return item.get();
    }
    return nullptr;
}

std::string ListUrl(const char* list)
{
    CString url;
    Reader(list)->GetListUrl(url);
    return (LPCTSTR)url;
}

std::vector<std::string> Winners(const std::string& id)
{
    std::vector<std::string> winners;
    CJsonDocument json;
    if (!ReadControl("/control/item?id=" + id, json))
        return winners;
    const CJsonValue* pItem = json.GetRoot()->FindValue("item", 0);
    const CJsonValue* pWinners = pItem != nullptr ? pItem->FindValue("winners", 0) : nullptr;
    for (int i = 0; pWinners != nullptr && i < pWinners->GetCount(); ++i)
        winners.push_back(TextOf(pWinners->GetAt(i)));
    return winners;
}

std::map<std::string, std::map<std::string, Feedback>> FeedbackGiven()
{
    std::map<std::string, std::map<std::string, Feedback>> given;
    CJsonDocument json;
    if (!ReadControl("/control/feedback", json))
        return given;
    const CJsonValue* pItems = json.GetRoot()->FindValue("feedback", 0);
    for (int i = 0; pItems != nullptr && i < pItems->GetCount(); ++i)
    {
        const CJsonValue* pPartners = ValueOf(pItems->GetAt(i));
        for (int k = 0; pPartners != nullptr && k < pPartners->GetCount(); ++k)
        {
            const CJsonValue* pEntry = ValueOf(pPartners->GetAt(k));
            Feedback& feedback = given[KeyOf(pItems->GetAt(i))][KeyOf(pPartners->GetAt(k))];
            feedback.count = std::atoi(Member(pEntry, "count").c_str());
            feedback.attempts = std::atoi(Member(pEntry, "attempts").c_str());
            feedback.rating = Member(pEntry, "rating");
            feedback.comment = Member(pEntry, "comment");
        }
    }
    return given;
}

Removals Removed(const char* list)
{
    Removals removals;
    CJsonDocument json;
    if (!ReadControl("/control/removals", json))
        return removals;
    const CJsonValue* pLists = json.GetRoot()->FindValue("removals", 0);
    const CJsonValue* pEntry = pLists != nullptr ? pLists->FindValue(list, 0) : nullptr;
    if (pEntry == nullptr)
        return removals;
    const CJsonValue* pIds = pEntry->FindValue("ids", 0);
    for (int i = 0; pIds != nullptr && i < pIds->GetCount(); ++i)
        removals.ids.push_back(TextOf(pIds->GetAt(i)));
    removals.posts = std::atoi(Member(pEntry, "posts").c_str());
    removals.errors = std::atoi(Member(pEntry, "errors").c_str());
    return removals;
}

std::vector<int> Held()
{
    std::vector<int> held;
    CJsonDocument json;
    if (!ReadControl("/control/held", json))
        return held;
    const CJsonValue* pIds = json.GetRoot()->FindValue("held", 0);
    for (int i = 0; pIds != nullptr && i < pIds->GetCount(); ++i)
        held.push_back(std::atoi(TextOf(pIds->GetAt(i)).c_str()));
    return held;
}

bool ReleaseAll()
{
    return PostControl("/control/release", "{}");
}

int RequestCount()
{
    CJsonDocument json;
    if (!ReadControl("/control/log", json))
        return -1;
    const CJsonValue* pRequests = json.GetRoot()->FindValue("requests", 0);
    return pRequests != nullptr ? pRequests->GetCount() : 0;
}
} // namespace FeedbackStandIn
