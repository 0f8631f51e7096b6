#ifndef TANZO_TESTS_ACTIONS_WIN32_RESUBMITSTANDIN_H
#define TANZO_TESTS_ACTIONS_WIN32_RESUBMITSTANDIN_H

// What the re-listing tests read of the stand-in: the items of a closed
// list with their records, the re-listings it keeps per item, the requests
// it holds, and the job's boxes and prompts as a user would answer them.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "actions/shared/win32/JobRecordingSink.h"
#include "afx/String.h"
#include "auction/records/ItemCondition.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/relist/ResubmitPrompt.h"

namespace ResubmitStandIn
{
// An item of a closed list as the stand-in serves it.
struct ServedItem
{
    std::string id;
    std::string listTitle; // cut as the list shows it
    std::string url;
    LONGLONG price = 0;
    // From its record.
    std::string title;
    std::string description;
    std::string style; // "new" or "old"
    int methodCount = 0;
    int serviceCount = 0; // the service's own shipping ticked
    // Its plain values by their keys (numbers and texts as written).
    std::map<std::string, std::string> record;
};

// The first count items of a list ("closed-winner", "closed-nowinner").
std::vector<ServedItem> ClosedItems(const char* list, int count);
// The record of an item (not its list's values).
ServedItem ReadServedItem(const std::string& id);
// A client item as a list page hands it to the job.
std::unique_ptr<TanzoAuctionItem> MakeItem(const ServedItem& served);

// One re-listing the stand-in made: the final post's last value by name.
struct Listing
{
    std::string newId;
    std::map<std::string, std::string> fields;
};
struct Relistings
{
    int count = 0;
    int attempts = 0;
    std::vector<Listing> listings;
};
Relistings Relisted(const std::string& id);

// The log IDs of the requests held now; the held ones released.
std::vector<int> Held();
bool ReleaseAll();

// "host METHOD path" of the logged requests, in order.
std::vector<std::string> Requests();
// How many logged requests went to a host with a method and a path start.
int CountRequests(const char* host, const char* method, const char* pathStart);
} // namespace ResubmitStandIn

// The user's answers to the job's questions, scripted, and its boxes.
class CScriptedPrompt : public CResubmitPrompt
{
public:
    BOOL EditShipMethods(CAuctionShipMethods& methods, BOOL bOfferFollowing, BOOL& bForFollowing) override;
    BOOL EditItemCondition(CItemCondition& condition, BOOL bOfferFollowing, BOOL& bForFollowing) override;
    void ShowNotice(const CProgressSinkRef& progress, LPCTSTR text) override;
    int ShowHeadedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR heading,
                          UINT nType) override;
    int ShowLinkedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR url, LPCTSTR linkText,
                          UINT nType) override;

    // The answers: OK with these values (and whether they go to the
    // following items), or Cancel.
    BOOL bShipOk = FALSE;
    CAuctionShipMethods shipMethods;
    BOOL bShipForFollowing = FALSE;
    BOOL bConditionOk = FALSE;
    CItemCondition condition;
    BOOL bConditionForFollowing = FALSE;

    // "ship offer=1", "condition offer=0", "notice TEXT", "headed HEADING|TEXT", "linked TEXT|URL|LINK".
    std::vector<std::string> calls;
};

#endif // TANZO_TESTS_ACTIONS_WIN32_RESUBMITSTANDIN_H
