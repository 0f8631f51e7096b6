#include "ResubmitStandIn.h"

#include <cstdlib>

#include "net/HttpComm.h"
#include "net/win32/StandIn.h"
#include "text/JsonDocument.h"
#include "text/JsonKeyValue.h"
#include "text/JsonValue.h"

namespace
{
std::string Text(const CJsonValue* pValue)
{
    if (pValue == nullptr)
        return std::string();
    CString text;
    pValue->ToTextStyled(text, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
    return text == "null" ? std::string() : std::string((LPCTSTR)text);
}

// A member of an object itself, not of what it holds.
const CJsonValue* Member(const CJsonValue* pObject, const std::string& name)
{
    for (int i = 0; pObject != nullptr && i < pObject->GetCount(); ++i)
    {
        const auto* pMember = dynamic_cast<const CJsonKeyValue*>(pObject->GetAt(i));
        if (pMember != nullptr && pMember->GetKey() == name.c_str())
            return pMember->GetValue();
    }
    return nullptr;
}

std::string MemberText(const CJsonValue* pObject, const char* name)
{
    return Text(Member(pObject, name));
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
} // namespace

namespace ResubmitStandIn
{
ServedItem ReadServedItem(const std::string& id)
{
    ServedItem item;
    item.id = id;
    CJsonDocument record;
    if (!ReadControl("/control/item?id=" + id, record))
        return item;
    const CJsonValue* pItem = Member(record.GetRoot(), "item");
    item.title = MemberText(pItem, "title");
    item.description = MemberText(pItem, "description");
    item.style = MemberText(pItem, "style");
    const CJsonValue* pMethods = Member(pItem, "methods");
    item.methodCount = pMethods != nullptr ? pMethods->GetCount() : 0;
    const CJsonValue* pServices = Member(pItem, "services");
    item.serviceCount = pServices != nullptr ? pServices->GetCount() : 0;
    for (int i = 0; pItem != nullptr && i < pItem->GetCount(); ++i)
    {
        const auto* pMember = dynamic_cast<const CJsonKeyValue*>(pItem->GetAt(i));
        if (pMember != nullptr && pMember->GetValue() != nullptr && pMember->GetValue()->GetCount() == 0)
            item.record[(LPCTSTR)pMember->GetKey()] = Text(pMember->GetValue());
    }
    return item;
}

std::vector<ServedItem> ClosedItems(const char* list, int count)
{
    std::vector<ServedItem> items;
    CJsonDocument json;
    if (!ReadControl(std::string("/control/items?list=") + list, json))
        return items;
    const CJsonValue* pEntries = Member(json.GetRoot(), "items");
    for (int i = 0; pEntries != nullptr && i < pEntries->GetCount() && (int)items.size() < count; ++i)
    {
        const CJsonValue* pEntry = pEntries->GetAt(i);
        ServedItem item = ReadServedItem(MemberText(pEntry, "id"));
        item.listTitle = MemberText(pEntry, "title");
        item.url = MemberText(pEntry, "url");
        item.price = _atoi64(MemberText(pEntry, "price").c_str());
        items.push_back(item);
    }
    return items;
}

std::unique_ptr<TanzoAuctionItem> MakeItem(const ServedItem& served)
{
    std::unique_ptr<TanzoAuctionItem> item(new TanzoAuctionItem);
    item->SetAuctionID(served.id.c_str());
    item->SetTitle(served.listTitle.c_str());
    item->SetItemURL(served.url.c_str());
    item->SetCurrentPrice(served.price);
    return item;
}

Relistings Relisted(const std::string& id)
{
    Relistings out;
    CJsonDocument json;
    if (!ReadControl("/control/relistings?aID=" + id, json))
        return out;
    const CJsonValue* pEntry = Member(Member(json.GetRoot(), "relistings"), id);
    if (pEntry == nullptr)
        return out;
    out.count = atoi(MemberText(pEntry, "count").c_str());
    out.attempts = atoi(MemberText(pEntry, "attempts").c_str());
    const CJsonValue* pListings = Member(pEntry, "listings");
    for (int i = 0; pListings != nullptr && i < pListings->GetCount(); ++i)
    {
        const CJsonValue* pListing = pListings->GetAt(i);
        Listing listing;
        listing.newId = MemberText(pListing, "new_id");
        const CJsonValue* pFields = Member(pListing, "fields");
        for (int f = 0; pFields != nullptr && f < pFields->GetCount(); ++f)
        {
            const auto* pField = dynamic_cast<const CJsonKeyValue*>(pFields->GetAt(f));
            if (pField != nullptr)
                listing.fields[(LPCTSTR)pField->GetKey()] = Text(pField->GetValue());
        }
        out.listings.push_back(listing);
    }
    return out;
}

std::vector<int> Held()
{
    std::vector<int> held;
    CJsonDocument json;
    if (!ReadControl("/control/held", json))
        return held;
    const CJsonValue* pHeld = Member(json.GetRoot(), "held");
    for (int i = 0; pHeld != nullptr && i < pHeld->GetCount(); ++i)
        held.push_back(atoi(Text(pHeld->GetAt(i)).c_str()));
    return held;
}

bool ReleaseAll()
{
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    return comm.Send(StandIn::Url("CONTROL", "/control/release").c_str(), "{}", 2,
                     "Content-Type: application/json\r\n", FALSE, 0) != FALSE;
}

std::vector<std::string> Requests()
{
    std::vector<std::string> out;
    for (const LoggedRequest& request : StandIn::Log())
        out.push_back(request.host + " " + request.method + " " + request.path);
    return out;
}

int CountRequests(const char* host, const char* method, const char* pathStart)
{
    int count = 0;
    for (const LoggedRequest& request : StandIn::Log())
        if (request.host == host && request.method == method && request.path.rfind(pathStart, 0) == 0)
            ++count;
    return count;
}
} // namespace ResubmitStandIn

BOOL CScriptedPrompt::EditShipMethods(CAuctionShipMethods& methods, BOOL bOfferFollowing, BOOL& bForFollowing)
{
    calls.push_back(std::string("ship offer=") + (bOfferFollowing ? "1" : "0"));
    bForFollowing = bShipOk && bShipForFollowing;
    if (bShipOk)
        methods.CopyFrom(shipMethods);
    return bShipOk;
}

BOOL CScriptedPrompt::EditItemCondition(CItemCondition& value, BOOL bOfferFollowing, BOOL& bForFollowing)
{
    calls.push_back(std::string("condition offer=") + (bOfferFollowing ? "1" : "0"));
    bForFollowing = bConditionOk && bConditionForFollowing;
    if (bConditionOk)
        value = condition;
    return bConditionOk;
}

void CScriptedPrompt::ShowNotice(const CProgressSinkRef&, LPCTSTR text)
{
    calls.push_back(std::string("notice ") + text);
}

int CScriptedPrompt::ShowHeadedMessage(const CProgressSinkRef&, LPCTSTR text, LPCTSTR heading, UINT)
{
    calls.push_back(std::string("headed ") + heading + "|" + text);
    return IDOK;
}

int CScriptedPrompt::ShowLinkedMessage(const CProgressSinkRef&, LPCTSTR text, LPCTSTR url, LPCTSTR linkText,
                                       UINT)
{
    calls.push_back(std::string("linked ") + text + "|" + url + "|" + linkText);
    return IDOK;
}
