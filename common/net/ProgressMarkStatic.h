#ifndef TANZO_NET_PROGRESSMARKSTATIC_H
#define TANZO_NET_PROGRESSMARKSTATIC_H

// A line of marks that shows the activity of requests (Windows builds):
// ">" for each status of a request, "R" for a retry; a full line starts
// again from empty.

#include "app/DecorateStatic.h"

class CProgressMarkStatic : public CDecorateStatic
{
    DECLARE_DYNAMIC(CProgressMarkStatic)
public:
    // Kinds of marks.
    enum
    {
        markStatus = 0, // ">"
        markClear = 1,  // the line becomes empty
        markRetry = 2   // "R"
    };

    CProgressMarkStatic();

    void AddMark(int nKind);

    void DrawContent(CDC* pDC, CRect rect, UINT nFormat) override;
};

#endif // TANZO_NET_PROGRESSMARKSTATIC_H
