#include "StandIn.h"

#include <cstdlib>

#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "text/JsonDocument.h"
#include "text/JsonValue.h"

namespace
{
std::string TextOf(const CJsonValue* pObject, const char* name)
{
    const CJsonValue* pValue = pObject != nullptr ? pObject->FindValue(name, 0) : nullptr;
    if (pValue == nullptr)
        return std::string();
    CString text;
    pValue->ToTextStyled(text, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
    return (LPCTSTR)text;
}

bool PostJson(const char* path, const std::string& json)
{
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    return comm.Send(StandIn::Url("CONTROL", path).c_str(), json.data(), (DWORD)json.size(),
                     "Content-Type: application/json\r\n", FALSE, 0) != FALSE;
}
} // namespace

namespace StandIn
{
bool Available()
{
    return !Origin("CONTROL").empty();
}

std::string Origin(const char* host)
{
    std::string name = std::string("TANZO_STANDIN_") + host;
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? value : "";
}

std::string Url(const char* host, const std::string& path)
{
    return Origin(host) + path;
}

bool UseServiceOrigins()
{
    const struct
    {
        ServiceHost host;
        const char* name;
    } hosts[] = {
        {HostAuctions, "AUCTIONS"}, {HostItemPage, "ITEM"},
        {HostOpenList, "OPENLIST"}, {HostClosedList, "CLOSEDLIST"},
        {HostSell, "SELL"},         {HostLogin, "LOGIN"},
        {HostPortal, "PORTAL"},     {HostPoints, "POINTS"},
        {HostImages, "IMAGES"},     {HostProtectedLogin, "PROTECTED_LOGIN"},
        {HostTrading, "TRADING"},   {HostContact, "CONTACT"},
    };
    static_assert(sizeof(hosts) / sizeof(hosts[0]) == ServiceHostCount, "every host of the service");
    bool all = true;
    for (const auto& entry : hosts)
        all = SetServiceOrigin(entry.host, Origin(entry.name).c_str()) != FALSE && all;
    return all;
}

bool Reset()
{
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    return comm.Send(Url("CONTROL", "/control/reset").c_str(), "{}", 2, "Content-Type: application/json\r\n",
                     FALSE, 0) != FALSE;
}

bool SetState(const std::string& json)
{
    return PostJson("/control/state", json);
}

bool AddFault(const std::string& json)
{
    return PostJson("/control/faults", json);
}

std::vector<LoggedRequest> Log(const std::string& path)
{
    std::vector<LoggedRequest> log;
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    std::string url = Url("CONTROL", "/control/log");
    if (!path.empty())
        url += "?path=" + path;
    if (!comm.Request(url.c_str(), nullptr, FALSE))
        return log;
    CString body;
    comm.GetBody(body, TRUE);
    CJsonDocument json;
    if (json.Parse(body) != JSON_PARSE_OK || json.GetRoot() == nullptr)
        return log;
    const CJsonValue* pRequests = json.GetRoot()->FindValue("requests", 0);
    for (int i = 0; pRequests != nullptr && i < pRequests->GetCount(); ++i)
    {
        const CJsonValue* pEntry = pRequests->GetAt(i);
        LoggedRequest request;
        request.host = TextOf(pEntry, "host");
        request.method = TextOf(pEntry, "method");
        request.path = TextOf(pEntry, "path");
        request.target = TextOf(pEntry, "target");
        request.status = TextOf(pEntry, "status");
        request.body = TextOf(pEntry, "body");
        request.aborted = TextOf(pEntry, "aborted") == "true";
        request.chunksSent = std::atoi(TextOf(pEntry, "chunks_sent").c_str());
        log.push_back(request);
    }
    return log;
}

int CountHeld()
{
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    if (!comm.Request(Url("CONTROL", "/control/held").c_str(), nullptr, FALSE))
        return 0;
    CString body;
    comm.GetBody(body, TRUE);
    CJsonDocument json;
    if (json.Parse(body) != JSON_PARSE_OK || json.GetRoot() == nullptr)
        return 0;
    const CJsonValue* pHeld = json.GetRoot()->FindValue("held", 0);
    return pHeld != nullptr ? pHeld->GetCount() : 0;
}

bool ReleaseHeld(bool drop)
{
    return PostJson("/control/release", drop ? "{\"drop\": true}" : "{}");
}
} // namespace StandIn
