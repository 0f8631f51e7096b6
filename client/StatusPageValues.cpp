#include "client/StatusPageValues.h"

#include <cstring>
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

// Days from 1970-01-01 to the day (day may run past its month's end).
LONGLONG CivilDays(LONGLONG year, int month, int day)
{
    year -= month <= 2;
    const LONGLONG era = (year >= 0 ? year : year - 399) / 400;
    const LONGLONG yoe = year - era * 400;
    const LONGLONG doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
    const LONGLONG doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

LONGLONG CivilSeconds(LONGLONG year, int month, int day, int hour, int minute, int second)
{
    return CivilDays(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

// A local time lies this near the same clock time read with another UTC
// offset of the zone (offsets stay within a day of each other).
const LONGLONG kOffsetMargin = 4 * 86400;

int CharCount(LPCTSTR p, int bytes)
{
    int count = 0;
    for (int i = 0; i < bytes; i += CharLength(p + i))
        ++count;
    return count;
}
} // namespace

BOOL ReadNumberDigits(LPCTSTR text, int length, LONGLONG& value)
{
    // What FilterNumberChars keeps, each character as CharLength steps,
    // read as ParseInt64Saturated reads the digits it leaves.
    static const BYTE kFullWidthZero[] = {0x82, 0x4F};
    const LONGLONG limit = 0x7FFFFFFFFFFFFFFFLL;
    value = 0;
    BOOL any = FALSE;
    LPCTSTR end = text + length;
    for (LPCTSTR p = text; p < end;)
    {
        const int n = CharLength(p, end);
        int digit = -1;
        if (n == 1)
            digit = IsDigitChar((BYTE)*p) ? *p - '0' : -1;
        else if ((BYTE)p[0] == kFullWidthZero[0] && (BYTE)p[1] >= kFullWidthZero[1] &&
                 (BYTE)p[1] <= kFullWidthZero[1] + 9)
            digit = (BYTE)p[1] - kFullWidthZero[1];
        p += n;
        if (digit < 0)
            continue;
        any = TRUE;
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return any;
}

int ParseNumberText(LPCTSTR text)
{
    LONGLONG value = 0;
    if (text != nullptr)
        ReadNumberDigits(text, (int)std::strlen(text), value);
    return value > 0x7FFFFFFF ? 0x7FFFFFFF : (int)value;
}

LONGLONG ParseMoneyText(LPCTSTR text)
{
    LONGLONG value = 0;
    if (text != nullptr)
        ReadNumberDigits(text, (int)std::strlen(text), value);
    return value;
}

ListDateContext::ListDateContext(const CTime& when) : now(when), year(when.GetYear())
{
    struct tm local = {};
    when.GetLocalTm(&local);
    offset = CivilSeconds(local.tm_year + 1900LL, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec) -
             when.GetTime();
    // Without a local time of now (or with an offset past a day) every date
    // takes the conversions.
    offsetKnown = local.tm_mday != 0 && offset < 86400 && offset > -86400;
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
    // One pass over the characters: each word is looked for at the
    // character boundaries from the end of the one before, as CString::Find
    // looks, and the number before it read in place.
    LPCTSTR p = text != nullptr ? text : "";
    const int length = (int)std::strlen(p);
    auto charSize = [&](int i) { return AfxIsLeadByte((BYTE)p[i]) && i + 1 < length ? 2 : 1; };
    auto matchesAt = [&](int i, const CString& word)
    {
        const int n = word.GetLength();
        if (n > length - i || std::memcmp(p + i, (LPCTSTR)word, (size_t)n) != 0)
            return false;
        int end = i;
        while (end < i + n)
            end += charSize(end);
        return end == i + n;
    };
    int values[4] = {};
    int from = 0;
    int i = 0;
    for (int w = 0; w < 4; ++w)
    {
        const CString& word = context.words[w];
        if (word.IsEmpty())
            return CTime(0);
        while (i < length && !matchesAt(i, word))
            i += charSize(i);
        if (i >= length)
            return CTime(0);
        LONGLONG value = 0;
        ReadNumberDigits(p + from, i - from, value);
        values[w] = value > 0x7FFFFFFF ? 0x7FFFFFFF : (int)value;
        from = i + word.GetLength();
        // The word's characters end at a boundary: step over them.
        while (i < from)
            i += charSize(i);
    }
    const int month = values[0], day = values[1], hour = values[2], minute = values[3];
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return CTime(0);
    const CTime& now = context.now;
    const int year = context.year;
    // Most dates lie far from both limits: which year they take is plain
    // before any conversion to local time, and one conversion does.
    const LONGLONG back = now.GetTime() - (CivilSeconds(year, month, day, hour, minute, 0) - context.offset);
    if (context.offsetKnown && back - kOffsetMargin > kYearBackSeconds)
    {
        const CTime next(year + 1, month, day, hour, minute, 0);
        return next.GetTime() > 0 ? next : CTime(0);
    }
    if (context.offsetKnown && -back - kOffsetMargin > kYearAheadSeconds)
    {
        const CTime previous(year - 1, month, day, hour, minute, 0);
        return previous.GetTime() > 0 ? previous : CTime(0);
    }
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
