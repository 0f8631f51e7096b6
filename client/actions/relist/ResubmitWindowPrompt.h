#ifndef TANZO_CLIENT_ACTIONS_RESUBMITWINDOWPROMPT_H
#define TANZO_CLIENT_ACTIONS_RESUBMITWINDOWPROMPT_H

// The re-listing job's questions and boxes in the program's own windows
// (Windows builds): the shipping-method and item-condition dialogs, the
// notice that closes by itself, the message under a heading and the one
// with a link line.

#include "client/actions/relist/ResubmitPrompt.h"

class CWnd;

class CResubmitWindowPrompt : public CResubmitPrompt
{
public:
    // pParentWnd: the window the boxes belong to; null: the active one.
    explicit CResubmitWindowPrompt(CWnd* pParentWnd = nullptr) : m_pParentWnd(pParentWnd) {}

    BOOL EditShipMethods(CAuctionShipMethods& methods, BOOL bOfferFollowing, BOOL& bForFollowing) override;
    BOOL EditItemCondition(CItemCondition& condition, BOOL bOfferFollowing, BOOL& bForFollowing) override;
    void ShowNotice(const CProgressSinkRef& progress, LPCTSTR text) override;
    int ShowHeadedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR heading,
                          UINT nType) override;
    int ShowLinkedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR url, LPCTSTR linkText,
                          UINT nType) override;

private:
    // Nothing more once the user stopped the work.
    static BOOL IsStopped(const CProgressSinkRef& progress);

    CWnd* m_pParentWnd;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITWINDOWPROMPT_H
