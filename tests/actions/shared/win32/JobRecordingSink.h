#ifndef TANZO_TESTS_ACTIONS_WIN32_JOBRECORDINGSINK_H
#define TANZO_TESTS_ACTIONS_WIN32_JOBRECORDINGSINK_H

#include <string>
#include <vector>

#include "afx/String.h"
#include "net/ProgressSink.h"

// A progress sink that keeps what the job showed and answers every box
// with OK.
class CJobRecordingSink : public CProgressSink
{
public:
    void SetStatus(LPCTSTR lpszText) override { statuses.push_back(lpszText != nullptr ? lpszText : ""); }
    void SetTitle(LPCTSTR lpszText) override { captions.push_back(lpszText != nullptr ? lpszText : ""); }
    void SetSubStatus(LPCTSTR lpszText) override
    {
        subStatuses.push_back(lpszText != nullptr ? lpszText : "");
    }
    int ShowMessage(LPCTSTR lpszText, UINT nType) override
    {
        messages.push_back(lpszText != nullptr ? lpszText : "");
        types.push_back(nType);
        return IDOK;
    }

    std::vector<std::string> statuses, captions, subStatuses, messages;
    std::vector<UINT> types;
};

#endif // TANZO_TESTS_ACTIONS_WIN32_JOBRECORDINGSINK_H
