#ifndef TANZO_CLIENT_ACTIONS_RESUBMITPROMPT_H
#define TANZO_CLIENT_ACTIONS_RESUBMITPROMPT_H

#include "afx/wintypes.h"

class CAuctionShipMethods;
class CItemCondition;
class CProgressSinkRef;

// What the re-listing job asks of the user in the middle of an item, and
// the boxes it shows beyond its progress sink's plain ones. This base asks
// nothing (every question ends as Cancel) and shows its boxes as the
// sink's plain messages; the client's windows supply the dialogs.
class CResubmitPrompt
{
public:
    virtual ~CResubmitPrompt();

    // The shipping methods of an easy-transaction listing, edited in
    // place. bOfferFollowing: the user may choose to use them for the
    // following items of the job, which bForFollowing then says. FALSE for
    // Cancel.
    virtual BOOL EditShipMethods(CAuctionShipMethods& methods, BOOL bOfferFollowing, BOOL& bForFollowing);
    // The same for an item condition that the form lacks.
    virtual BOOL EditItemCondition(CItemCondition& condition, BOOL bOfferFollowing, BOOL& bForFollowing);

    // A notice that closes by itself.
    virtual void ShowNotice(const CProgressSinkRef& progress, LPCTSTR text);
    // A message under a heading line.
    virtual int ShowHeadedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR heading,
                                  UINT nType);
    // A message with a link line to url under the link's text.
    virtual int ShowLinkedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR url,
                                  LPCTSTR linkText, UINT nType);
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITPROMPT_H
