#include "client/PageCommands.h"

#include "client/TanzoResourceIds.h"

namespace
{
// A neighbour of the current page, raised to 1 and capped at the count.
int StepPage(int page, int count)
{
    if (page < 1)
        page = 1;
    if (page > count)
        page = count;
    return page < 1 ? 1 : page;
}

const int kPageChoices = ID_PAGE_CHOICE_LAST - ID_PAGE_CHOICE_FIRST + 1;
} // namespace

BOOL GetPageCommandRange(UINT id, int current, int count, int firstChoice, int& first, int& last)
{
    last = -1;
    if (id >= ID_PAGE_CHOICE_FIRST && id <= ID_PAGE_CHOICE_LAST)
    {
        first = firstChoice + (int)(id - ID_PAGE_CHOICE_FIRST);
        return TRUE;
    }
    switch (id)
    {
    case ID_PAGE_PREVIOUS:
        first = StepPage(current - 1, count);
        return TRUE;
    case ID_PAGE_NEXT:
        first = StepPage(current + 1, count);
        return TRUE;
    case ID_PAGE_FIRST:
        first = 1;
        return TRUE;
    case ID_PAGE_LAST:
        first = count;
        return TRUE;
    case ID_PAGE_ALL:
        first = 1;
        last = count;
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL IsPageCommandEnabled(UINT id, int current, int count)
{
    switch (id)
    {
    case ID_PAGE_PREVIOUS:
        return count >= 2 && current != 1;
    case ID_PAGE_NEXT:
        return count >= 2 && current != count;
    case ID_PAGE_GO_TO:
    case ID_PAGE_FIRST:
    case ID_PAGE_LAST:
    case ID_PAGE_ALL:
        return count > 1;
    default:
        return FALSE;
    }
}

BOOL IsPageCommandChecked(UINT id, int current, int count)
{
    return id == ID_PAGE_ALL && count > 1 && current == 0;
}

void GetStoredRefreshRange(int current, int count, int& first, int& last)
{
    if (current != 0)
    {
        first = current;
        last = -1;
    }
    else
    {
        first = 1;
        last = count;
    }
}

int GetPageChoiceCount(int firstChoice, int count)
{
    if (count <= 0 || firstChoice > count)
        return 0;
    int lastChoice = firstChoice + kPageChoices - 1;
    if (lastChoice > count)
        lastChoice = count;
    return lastChoice - firstChoice + 1;
}

int CountPageDigits(int maximum)
{
    int digits = 1;
    for (int value = maximum; value >= 10; value /= 10)
        ++digits;
    return digits;
}

int LimitPageToMaximum(int page, int maximum)
{
    return page >= maximum ? maximum : page;
}
