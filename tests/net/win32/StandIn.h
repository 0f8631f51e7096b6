#ifndef TANZO_TESTS_NET_WIN32_STANDIN_H
#define TANZO_TESTS_NET_WIN32_STANDIN_H

// The local stand-in of the service, reached through our own HTTP client:
// the origins it serves, its reset and its request log.

#include <string>
#include <vector>

#include "afx/String.h"

struct LoggedRequest
{
    std::string host;
    std::string method;
    std::string path;
    std::string target; // the path with its query
    std::string status; // a number, "reset" or "close"
    std::string body;   // ASCII bodies only
    bool aborted = false;
    int chunksSent = 0;
};

namespace StandIn
{
// TRUE when the tests run under with-stand-in.
bool Available();
// "http://127.0.0.1:PORT" of a host ("AUCTIONS", "LOGIN", ...) or of the
// control origin ("CONTROL").
std::string Origin(const char* host);
std::string Url(const char* host, const std::string& path);
// Points every host of the service at the stand-in (ResetServiceOrigins
// undoes it); false when the stand-in lacks one.
bool UseServiceOrigins();
// Empties the log, the counters and the faults.
bool Reset();
// Merges a JSON object into the scenario values the pages read.
bool SetState(const std::string& json);
// Adds a fault rule, or a JSON list of them.
bool AddFault(const std::string& json);
// The log, oldest first, optionally of one path only.
std::vector<LoggedRequest> Log(const std::string& path = "");
// How many requests a hold rule holds now.
int CountHeld();
// Lets every held request run and be answered (drop: end without a reply).
bool ReleaseHeld(bool drop = false);
} // namespace StandIn

#endif // TANZO_TESTS_NET_WIN32_STANDIN_H
