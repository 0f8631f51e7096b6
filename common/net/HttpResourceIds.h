#ifndef TANZO_NET_HTTPRESOURCEIDS_H
#define TANZO_NET_HTTPRESOURCEIDS_H

// Resource ids of the HTTP layer's texts (res/common/http.rc). Nothing but
// #defines, one per line: the resource compilers read this file too.

#define IDS_HTTP_CONNECT_FAILED 497
#define IDS_HTTP_CONNECT_FAILED_TEXT 498
#define IDS_HTTP_NOT_HTTP_URL 499
#define IDS_HTTP_ERROR_NUMBER 501
#define IDS_HTTP_STATUS_CODE 514
#define IDS_HTTP_TOO_MANY_REDIRECTS 550
#define IDS_HTTP_SERVER_ERROR 551
#define IDS_HTTP_SERVER_ERROR_TEXT 552

#endif // TANZO_NET_HTTPRESOURCEIDS_H
