#include "net/HttpRules.h"

#include "afx/Collections.h"
#include "afx/ParseUrl.h"
#include "text/Charset.h"
#include "text/HtmlParser.h"
#include "text/MarkupNode.h"
#include "text/UrlUtil.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace
{
BOOL StartsWith(const CString& text, LPCTSTR prefix)
{
    int n = (int)std::strlen(prefix);
    return text.GetLength() >= n && text.Left(n) == prefix;
}

// An address with a scheme of its own ("http:", "mailto:"): a letter, then
// letters, digits, "+", "-" or ".", then ":".
BOOL HasScheme(const CString& path)
{
    int colon = path.Find(':');
    if (colon <= 0)
        return FALSE;
    for (int i = 0; i < colon; ++i)
    {
        char c = path[i];
        BOOL letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        BOOL ok = letter || (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
        if (!ok)
            return FALSE;
    }
    return TRUE;
}

// The text begins with a scheme and its colon.
BOOL IsSchemeStart(LPCTSTR text)
{
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!letter(*text))
        return FALSE;
    LPCTSTR p = text + 1;
    while (letter(*p) || (*p >= '0' && *p <= '9') || *p == '+' || *p == '-' || *p == '.')
        ++p;
    return *p == ':';
}

// The address up to its query, or without one up to its fragment.
CString WithoutQuery(const CString& url)
{
    int end = url.Find('?');
    if (end < 0)
        end = url.Find('#');
    return end >= 0 ? url.Left(end) : url;
}

// How much of a page is searched for its charset tag (browsers look at the
// first kilobyte; pages with long heads get some more room here).
const int kMetaPrescanBytes = 64 * 1024;

void LowerAscii(std::string& text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
}
} // namespace

CString ResolveHttpUrl(LPCTSTR currentUrl, LPCTSTR url)
{
    // An address with a scheme and no fragment stays as it is: its scheme
    // is ASCII, so no two-byte character hides the colon or a "?" before it.
    if (url != nullptr && std::strchr(url, '#') == nullptr && IsSchemeStart(url))
        return CString(url);
    CString cut(url);
    int hash = cut.Find('#');
    if (hash >= 0)
        cut = cut.Left(hash);
    CString current(currentUrl);
    if (current.IsEmpty())
        return cut;

    int question = cut.Find('?');
    CString path = question >= 0 ? cut.Left(question) : cut;
    CString query = question >= 0 ? cut.Mid(question) : CString();

    if (HasScheme(path))
        return cut;
    if (StartsWith(path, "//"))
    {
        if (path.GetLength() < 3)
        {
            CString origin;
            return GetSchemeAndHost(current, origin) ? origin + "/" : cut;
        }
        int sep = current.Find("://");
        CString scheme = sep >= 0 ? current.Left(sep + 3) : CString("http://");
        return scheme + path.Mid(2) + query;
    }
    if (StartsWith(path, "/"))
    {
        CString origin;
        return GetSchemeAndHost(current, origin) ? origin + path + query : cut;
    }
    if (path.IsEmpty() && !query.IsEmpty())
        return WithoutQuery(current) + query;

    // A relative path: the folder of the current address. An address with
    // nothing after its host has the root as its folder.
    CString base = WithoutQuery(current);
    int sep = base.Find("://");
    int hostStart = sep >= 0 ? sep + 3 : 0;
    int slash = base.ReverseFind('/');
    if (slash < hostStart)
        base += '/';
    else
        base = base.Left(slash + 1);
    if (StartsWith(path, "./"))
        path = path.Mid(2);
    return base + path + query;
}

BOOL FindLocationHeader(LPCTSTR rawHeaders, CString& target)
{
    target.Empty();
    static const char kName[] = "location:";
    const int nameLength = (int)sizeof(kName) - 1;
    CString headers(rawHeaders);
    int start = 0;
    while (start < headers.GetLength())
    {
        int end = headers.Find('\n', start);
        if (end < 0)
            end = headers.GetLength();
        CString line = headers.Mid(start, end - start);
        start = end + 1;
        if (line.GetLength() < nameLength || line.Left(nameLength).CompareNoCase(kName) != 0)
            continue;
        target = line.Mid(nameLength);
        target.TrimLeft();
        target.TrimRight();
        return !target.IsEmpty();
    }
    return FALSE;
}

CString MakeCrLfLineEnds(const char* data, int length)
{
    CString out;
    MakeCrLfLineEnds(data, length, out);
    return out;
}

void MakeCrLfLineEnds(const char* data, int length, CString& out)
{
    if (data == nullptr || length <= 0)
    {
        out.GetBufferSetLength(0);
        return;
    }
    // Sized once and written in place: a page is large, and every copy and
    // regrowth of it costs the heap fresh memory. The line feeds are found
    // by memchr and the runs between them copied whole: a page of the
    // service is mostly text between its line ends.
    const char* const pEnd = data + length;
    int nAdded = 0;
    for (const char* p = data; (p = (const char*)std::memchr(p, '\n', pEnd - p)) != nullptr; ++p)
        if (p == data || p[-1] != '\r')
            ++nAdded;
    char* pOut = out.GetBufferSetLength(length + nAdded);
    if (nAdded == 0)
    {
        std::memcpy(pOut, data, (size_t)length);
        return;
    }
    const char* pRun = data;
    for (const char* p = data; (p = (const char*)std::memchr(p, '\n', pEnd - p)) != nullptr; ++p)
    {
        if (p != data && p[-1] == '\r')
            continue;
        std::memcpy(pOut, pRun, (size_t)(p - pRun));
        pOut += p - pRun;
        *pOut++ = '\r';
        pRun = p;
    }
    std::memcpy(pOut, pRun, (size_t)(pEnd - pRun));
}

int FindMetaCharset(const char* data, int length)
{
    if (data == nullptr || length <= 0)
        return CHARSET_UNKNOWN;
    // Only the start of the page, as a browser prescans it: whatever the
    // page holds, the search costs no more than that.
    std::string lower(data, (size_t)std::min(length, kMetaPrescanBytes));
    LowerAscii(lower);

    std::string text;
    size_t head = lower.find("<head");
    if (head != std::string::npos)
    {
        size_t open = lower.find('>', head + 5);
        if (open != std::string::npos)
        {
            size_t close = lower.find("</head", open + 1);
            if (close != std::string::npos)
                text = lower.substr(open + 1, close - open - 1);
        }
    }
    if (text.empty())
    {
        // No head: the meta tags wherever they stand. A "<meta" inside
        // another one's piece is already in the text.
        for (size_t meta = lower.find("<meta"); meta != std::string::npos;)
        {
            size_t end = lower.find('>', meta);
            if (end == std::string::npos)
                break;
            text.append(lower, meta, end - meta + 1);
            meta = lower.find("<meta", end + 1);
        }
    }
    if (text.empty())
        return CHARSET_UNKNOWN;

    CMarkupRoot root;
    CHtmlParser parser(&root, 0);
    parser.Parse(text.c_str(), (int)text.size());
    CPtrList metas;
    root.CollectByName("meta", metas);
    int code = CHARSET_UNKNOWN;
    return FindCharsetMeta(metas, code) != nullptr ? code : CHARSET_UNKNOWN;
}

int ChoosePageCharset(int nHeaderCharset, const char* data, int length)
{
    if (nHeaderCharset != CHARSET_UNKNOWN)
        return nHeaderCharset;
    int nCharset = FindMetaCharset(data, length);
    return nCharset != CHARSET_UNKNOWN ? nCharset : GuessCharset(data, length);
}

CMarkupNode* FindCharsetMeta(const CPtrList& metas, int& nCharset)
{
    nCharset = CHARSET_UNKNOWN;
    for (POSITION pos = metas.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* pNode = static_cast<CMarkupNode*>(metas.GetNext(pos));
        if (!pNode->IsLeaf() || !pNode->CanHaveAttributes())
            continue;
        CString equiv, content;
        if (!pNode->GetAttribute("http-equiv", equiv) || equiv.CompareNoCase("Content-Type") != 0)
            continue;
        if (!pNode->GetAttribute("content", content))
            continue;
        nCharset = CharsetFromContentType(content);
        if (nCharset != CHARSET_UNKNOWN)
            return pNode;
    }
    return nullptr;
}

BOOL IsRedirectStatus(DWORD status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

BOOL RedirectKeepsBody(DWORD status)
{
    return status == 307 || status == 308;
}

BOOL IsSameHttpOrigin(LPCTSTR url, LPCTSTR otherUrl)
{
    DWORD service = 0, otherService = 0;
    CString server, otherServer, object;
    INTERNET_PORT port = 0, otherPort = 0;
    if (url == nullptr || otherUrl == nullptr || !AfxParseURL(url, service, server, object, port) ||
        !AfxParseURL(otherUrl, otherService, otherServer, object, otherPort))
        return FALSE;
    if (service != AFX_INET_SERVICE_HTTP && service != AFX_INET_SERVICE_HTTPS)
        return FALSE;
    return service == otherService && port == otherPort && !server.IsEmpty() &&
           server.CompareNoCase(otherServer) == 0;
}

HttpRedirectStep DecideRedirectStep(DWORD status, BOOL hasBody, LPCTSTR fromUrl, LPCTSTR toUrl)
{
    if (!hasBody || !RedirectKeepsBody(status))
        return HttpRedirectAsGet;
    return IsSameHttpOrigin(fromUrl, toUrl) ? HttpRedirectWithBody : HttpRedirectRefused;
}

HttpStatusOutcome ClassifyHttpStatus(DWORD status, LPCTSTR rawHeaders, CString& target)
{
    target.Empty();
    if (status == 0)
        return HttpStatusNoAnswer;
    if (IsRedirectStatus(status))
        return FindLocationHeader(rawHeaders, target) ? HttpStatusRedirect : HttpStatusNoAnswer;
    return status >= 400 ? HttpStatusServerError : HttpStatusDone;
}

BOOL IsTransientInternetError(DWORD error)
{
    switch (error)
    {
    case HTTP_ERROR_TIMEOUT:
    case HTTP_ERROR_CONNECTION_ABORTED: // how Wine reports a reset before the reply
    case HTTP_ERROR_CONNECTION_RESET:
    case HTTP_ERROR_FORCE_RETRY:
    case HTTP_ERROR_INVALID_RESPONSE:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL MayRetryAutomatically(BOOL callerAllowsRetry, BOOL hasBody, HttpFailureKind kind, DWORD error)
{
    if (!callerAllowsRetry || hasBody)
        return FALSE;
    switch (kind)
    {
    case HttpFailConnection:
        return TRUE;
    case HttpFailInternet:
        return IsTransientInternetError(error);
    case HttpFailServer:
    default:
        return FALSE;
    }
}

CString MakeInternetErrorText(LPCTSTR errorMessage, DWORD error)
{
    CString message(errorMessage);
    message.Replace("\r\n", "");
    // The framework's message buffer holds 255 bytes.
    const int kMaxMessage = 255;
    if (message.GetLength() > kMaxMessage)
    {
        int length = 0;
        while (length < message.GetLength())
        {
            int step = AfxIsLeadByte((BYTE)message[length]) && length + 1 < message.GetLength() ? 2 : 1;
            if (length + step > kMaxMessage)
                break;
            length += step;
        }
        message = message.Left(length);
    }
    CString number;
    number.Format(IDS_HTTP_ERROR_NUMBER, (int)error);
    return message.IsEmpty() ? number : message + "/" + number;
}

CString MakeStatusErrorText(DWORD status)
{
    CString text;
    text.Format(IDS_HTTP_STATUS_CODE, (int)status);
    return text;
}

CString MakeFailureMessage(BOOL serverError, LPCTSTR errorText)
{
    CString message;
    if (errorText != nullptr && *errorText != '\0')
        message.FormatMessage(serverError ? IDS_HTTP_SERVER_ERROR_TEXT : IDS_HTTP_CONNECT_FAILED_TEXT,
                              errorText);
    else
        message.LoadString(serverError ? IDS_HTTP_SERVER_ERROR : IDS_HTTP_CONNECT_FAILED);
    return message;
}

CString FormatUserAgent(LPCTSTR appName, LPCTSTR versionText, LPCTSTR osName)
{
    CString name(appName);
    if (name.IsEmpty())
        name = "Software";
    CString agent;
    agent.Format("Mozilla/5.0 (compatible; VS %s %s; WinInet; %s)", (LPCTSTR)name,
                 versionText != nullptr ? versionText : "", osName != nullptr ? osName : "");
    return agent;
}
