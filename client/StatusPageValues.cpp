#include "client/StatusPageValues.h"

#include <vector>

#include "afx/LoadText.h"
#include "client/TextResourceIds.h"
#include "text/CharClass.h"
#include "text/HtmlText.h"
#include "text/NumberText.h"
#include "text/TextCut.h"

namespace
{

const int kRowsPerPage = 50;
const int kCountWordsDistance = 256;
const LONGLONG kYearBackSeconds = 10454400; // 121 days
const LONGLONG kYearAheadSeconds = 1335600; // 15 days 11 hours

// The runs of ASCII digits of a code page 932 text, in order.
std::vector<CString> DigitRuns(const CString& text)
{
    std::vector<CString> runs;
    LPCTSTR p = text;
    int start = -1;
    for (int i = 0; i <= text.GetLength();)
    {
        const BOOL digit = i < text.GetLength() && IsDigitChar((BYTE)p[i]);
        if (digit && start < 0)
            start = i;
        if (!digit && start >= 0)
        {
            runs.push_back(text.Mid(start, i - start));
            start = -1;
        }
        i += i < text.GetLength() ? CharLength(p + i) : 1;
    }
    return runs;
}

// The digits and digit-group commas written right before byte offset end.
CString NumberBefore(const CString& text, int end)
{
    LPCTSTR p = text;
    int start = -1;
    for (int i = 0; i < end; i += CharLength(p + i))
    {
        if (IsDigitChar((BYTE)p[i]) || p[i] == ',')
        {
            if (start < 0)
                start = i;
        }
        else
        {
            start = -1;
        }
    }
    if (start < 0)
        return CString();
    CString number = text.Mid(start, end - start);
    number.Remove(',');
    return number;
}

int CharCount(LPCTSTR p, int bytes)
{
    int count = 0;
    for (int i = 0; i < bytes; i += CharLength(p + i))
        ++count;
    return count;
}
} // namespace

int ParseNumberText(LPCTSTR text)
{
    CString digits(text);
    FilterNumberChars(digits);
    return ParseIntSaturated(digits);
}

LONGLONG ParseMoneyText(LPCTSTR text)
{
    CString digits(text);
    FilterNumberChars(digits);
    return ParseInt64Saturated(digits);
}

ListDateContext::ListDateContext(const CTime& when) : now(when), year(when.GetYear())
{
    const UINT wordIds[] = {IDS_MONTH, IDS_DAY, IDS_HOUR, IDS_MINUTE};
    for (int i = 0; i < 4; ++i)
        words[i] = LoadText(wordIds[i]);
}

CTime ParseListDate(LPCTSTR text, const CTime& now)
{
    return ParseListDate(text, ListDateContext(now));
}

CTime ParseListDate(LPCTSTR text, const ListDateContext& context)
{
    const CString source(text);
    int values[4] = {};
    int from = 0;
    for (int i = 0; i < 4; ++i)
    {
        const CString& word = context.words[i];
        const int at = word.IsEmpty() ? -1 : source.Find(word, from);
        if (at < 0)
            return CTime(0);
        values[i] = ParseNumberText(source.Mid(from, at - from));
        from = at + word.GetLength();
    }
    const int month = values[0], day = values[1], hour = values[2], minute = values[3];
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return CTime(0);
    const CTime& now = context.now;
    const int year = context.year;
    CTime time(year, month, day, hour, minute, 0);
    if ((now - time).GetTotalSeconds() > kYearBackSeconds)
        time = CTime(year + 1, month, day, hour, minute, 0);
    else if ((time - now).GetTotalSeconds() > kYearAheadSeconds)
        time = CTime(year - 1, month, day, hour, minute, 0);
    return time.GetTime() > 0 ? time : CTime(0);
}

BOOL ReadPageCountFromCounts(const CString& pageText, int& pageCount)
{
    const CString totalWord = LoadText(IDS_COUNT_TOTAL);
    const CString rangeWord = LoadText(IDS_COUNT_RANGE);
    if (totalWord.IsEmpty() || rangeWord.IsEmpty())
        return FALSE;
    const int total = pageText.Find(totalWord);
    if (total < 0)
        return FALSE;
    const int between = total + totalWord.GetLength();
    const int range = pageText.Find(rangeWord, between);
    if (range < 0 || CharCount((LPCTSTR)pageText + between, range - between) > kCountWordsDistance)
        return FALSE;

    int rows = kRowsPerPage;
    CString span = pageText.Mid(between, range - between);
    StripHtmlTags(span);
    span.TrimLeft();
    span.TrimRight();
    const std::vector<CString> runs = DigitRuns(span);
    if (runs.size() >= 2)
    {
        const LONGLONG first = ParseInt64Saturated(runs[0]);
        const LONGLONG last = ParseInt64Saturated(runs[1]);
        if (first == 1 && last >= first)
            rows = (int)(last - first + 1 > 0x7FFFFFFF ? 0x7FFFFFFF : last - first + 1);
    }
    const LONGLONG items = ParseInt64Saturated(NumberBefore(pageText, total));
    if (items < 1)
        return FALSE;
    const LONGLONG pages = items / rows + (items % rows != 0 ? 1 : 0);
    pageCount = (int)(pages > 0x7FFFFFFF ? 0x7FFFFFFF : pages);
    return TRUE;
}
