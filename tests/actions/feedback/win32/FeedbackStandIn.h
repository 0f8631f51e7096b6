#ifndef TANZO_TESTS_ACTIONS_WIN32_FEEDBACKSTANDIN_H
#define TANZO_TESTS_ACTIONS_WIN32_FEEDBACKSTANDIN_H

// What the feedback and removal tests read of the stand-in: the user's
// lists as the client reads them, the feedback and removals it keeps, and
// the requests it holds.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "afx/String.h"
#include "client/TanzoAuctionItem.h"

namespace FeedbackStandIn
{
typedef std::vector<std::unique_ptr<TanzoAuctionItem>> Items;

// Pages 1 to nPages of a list ("closed-winner", "closed-nowinner", "won")
// of the signed-in demo seller, read by the client's own reader.
Items ReadList(const char* list, int nPages = 1);
// The first item the list shows by the winner list's link only; null
// for none.
TanzoAuctionItem* FirstWinnerListItem(const Items& items);
// The list's first page as the client addresses it.
std::string ListUrl(const char* list);
// The winners of an item as the service knows them.
std::vector<std::string> Winners(const std::string& id);

// The feedback given for one partner of an item.
struct Feedback
{
    int count = 0;
    int attempts = 0;
    std::string rating;
    std::string comment;
};
// Per auction ID and partner.
std::map<std::string, std::map<std::string, Feedback>> FeedbackGiven();

struct Removals
{
    std::vector<std::string> ids;
    int posts = 0;
    int errors = 0;
};
Removals Removed(const char* list);

// The log IDs of the requests held now; the held ones released.
std::vector<int> Held();
bool ReleaseAll();
// How many requests the log holds.
int RequestCount();
// A text of the program's string table with two numbers put in.
inline std::string FormatText(UINT nID, int a, int b)
{
    CString format, text;
    format.LoadString(nID);
    text.Format(format, a, b);
    return (LPCTSTR)text;
}
} // namespace FeedbackStandIn

#endif // TANZO_TESTS_ACTIONS_WIN32_FEEDBACKSTANDIN_H
