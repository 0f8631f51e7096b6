#include "net/HttpExchange.h"

#include "text/Charset.h"

namespace
{
const UINT kReadChunk = 4096;

HTTP_EXCHANGE_HOOK g_pfnHook = nullptr;
void* g_pHookParam = nullptr;
} // namespace

HTTP_EXCHANGE_HOOK SetHttpExchangeHook(HTTP_EXCHANGE_HOOK pfnHook, void* pParam)
{
    HTTP_EXCHANGE_HOOK prev = g_pfnHook;
    g_pfnHook = pfnHook;
    g_pHookParam = pParam;
    return prev;
}

void RunHttpExchange(HttpExchange& exchange, HttpRequestState& state)
{
    if (g_pfnHook != nullptr)
    {
        g_pfnHook(exchange, state, g_pHookParam);
        return;
    }
#ifdef _WIN32
    RunWinInetExchange(exchange, state);
#else
    exchange.bSucceeded = FALSE;
    exchange.failure = HttpFailConnection;
#endif
}

BOOL ReadHttpAnswer(CHttpAnswer& answer, HttpExchange& exchange, const HttpRequestState& state)
{
    DWORD dwStatus = 0;
    if (!answer.QueryStatusCode(dwStatus))
        return FALSE;
    exchange.dwStatus = dwStatus;
    CString strHeaders;
    if (IsRedirectStatus(dwStatus))
        answer.QueryRawHeaders(strHeaders);
    switch (ClassifyHttpStatus(dwStatus, strHeaders, exchange.strTarget))
    {
    case HttpStatusRedirect:
        return TRUE;
    case HttpStatusServerError:
        exchange.failure = HttpFailServer;
        exchange.strErrorText = MakeStatusErrorText(dwStatus);
        return FALSE;
    case HttpStatusNoAnswer:
        return FALSE;
    case HttpStatusDone:
        break;
    }
    if (state.bCancel)
        return TRUE;
    CString strContentType;
    if (answer.QueryContentType(strContentType))
        exchange.nCharset = CharsetFromContentType(strContentType);
    // Read straight into the body, its room doubled as it fills: a page is
    // large, and each copy of it costs the heap fresh memory.
    CString& body = exchange.strBody;
    int nLength = 0;
    int nRoom = kReadChunk;
    char* pBody = body.GetBufferSetLength(nRoom);
    while (!state.bCancel)
    {
        if (nRoom - nLength < (int)kReadChunk)
        {
            nRoom *= 2;
            pBody = body.GetBufferSetLength(nRoom);
        }
        UINT nRead = answer.Read(pBody + nLength, kReadChunk);
        if (nRead == 0)
            break;
        nLength += (int)nRead;
    }
    body.GetBufferSetLength(nLength);
    return TRUE;
}
