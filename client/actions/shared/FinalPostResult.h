#ifndef TANZO_CLIENT_ACTIONS_FINALPOSTRESULT_H
#define TANZO_CLIENT_ACTIONS_FINALPOSTRESULT_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CHtmlDocument;
class CStringList;

// Whether the service took a final post of the feedback or the removal
// job, judged on the page it answered with (a page of the service, the
// announcement ruled out before). Any page of the service is no proof: a
// refused post must leave the user's marks and memos alone.

enum
{
    FinalPostDone = 0,
    FinalPostRefused = 1, // the page says why: errorText holds it
    FinalPostUnknown = 2  // no error shown, but the form came back
};

// Done when the page shows no error text and no feedback form again.
int JudgeFeedbackResult(CHtmlDocument* pPage, CString& errorText);
// Done when the page shows no error text and offers none of the sent
// auction IDs for removal any more.
int JudgeRemovalResult(CHtmlDocument* pPage, const CStringList& sentIds, CString& errorText);

#endif // TANZO_CLIENT_ACTIONS_FINALPOSTRESULT_H
