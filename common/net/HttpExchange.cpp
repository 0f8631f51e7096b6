#include "net/HttpExchange.h"

namespace
{
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
