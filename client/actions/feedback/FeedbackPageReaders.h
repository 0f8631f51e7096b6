#ifndef TANZO_CLIENT_ACTIONS_FEEDBACKPAGEREADERS_H
#define TANZO_CLIENT_ACTIONS_FEEDBACKPAGEREADERS_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CHtmlDocument;
class CMarkupNode;
class CStringList;

// The service's feedback pages as the feedback job reads them: the link
// on the item page, the input form and the confirmation form.

// The item page's feedback link (as written) for the partner: the first
// link to the feedback page whose "t" names the partner, letter case
// aside; with no partner the first link to the feedback page. pCache:
// the links of this item page for the next partners of the same item
// (taken from it when it holds any, else filled). FALSE for none.
BOOL FindFeedbackLink(CHtmlDocument* pItemPage, LPCTSTR partner, CStringList* pCache, CString& out);

// The input form: the form that posts to the preview, else the form of
// the "decCheck" submit button when it posts to a feedback page. The
// document's own node; null when none.
CMarkupNode* FindFeedbackInputForm(CHtmlDocument* pPage);

// The confirmation form, which posts to the final page; null when none.
CMarkupNode* FindFeedbackConfirmForm(CHtmlDocument* pPage);

#endif // TANZO_CLIENT_ACTIONS_FEEDBACKPAGEREADERS_H
