#include "text/NumberText.h"

#include <climits>
#include <cstdint>

#include "afx/StringTable.h"
#include "text/CharClass.h"

namespace
{
// The value of decimal text with an optional sign, clamped to
// [-limit - 1, limit]. 0 for text that is not numeric.
int64_t ParseSaturated(LPCTSTR text, uint64_t limit)
{
    if (text == nullptr || !IsNumericText(text, NUMERIC_SIGN))
        return 0;
    const char* p = text;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    const uint64_t bound = negative ? limit + 1 : limit;
    uint64_t value = 0;
    for (; *p != '\0'; ++p)
    {
        const uint64_t digit = (uint64_t)(*p - '0');
        if (value > (bound - digit) / 10)
        {
            value = bound;
            break;
        }
        value = value * 10 + digit;
    }
    if (!negative)
        return (int64_t)value;
    return value == (uint64_t)INT64_MAX + 1 ? INT64_MIN : -(int64_t)value;
}

const int kAmountUnitId = 549;
} // namespace

int ParseIntSaturated(LPCTSTR text)
{
    return (int)ParseSaturated(text, INT_MAX);
}

LONGLONG ParseInt64Saturated(LPCTSTR text)
{
    return ParseSaturated(text, INT64_MAX);
}

int HexTextToInt(LPCTSTR text)
{
    if (text == nullptr)
        return 0;
    uint32_t value = 0;
    for (LPCTSTR p = text; *p != '\0';)
    {
        const int n = CharLength(p);
        const int digit = n == 1 ? HexDigitValue((BYTE)*p) : -1;
        value = value * 16 + (uint32_t)(digit > 0 ? digit : 0);
        p += n;
    }
    return (int)value;
}

BOOL GroupDigits(CString& text, int n)
{
    const int length = text.GetLength();
    const int sign = (length > 0 && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    const int digits = length - sign;
    if (n <= 0 || digits <= n)
        return FALSE;
    CString result = text.Left(sign);
    LPCTSTR p = text;
    for (int i = 0; i < digits; ++i)
    {
        if (i > 0 && (digits - i) % n == 0)
            result += ',';
        result += p[sign + i];
    }
    text = std::move(result);
    return TRUE;
}

void Int64ToGroupedText(LONGLONG value, CString& out)
{
    char digits[24];
    char* p = digits + sizeof(digits);
    *--p = '\0';
    uint64_t magnitude = value < 0 ? (uint64_t)0 - (uint64_t)value : (uint64_t)value;
    do
    {
        *--p = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--p = '-';
    out = p;
    GroupDigits(out, 3);
}

void FormatAmountWithUnit(LONGLONG value, CString& out)
{
    // Loaded on first use and kept for the life of the process.
    static CString unit;
    if (unit.IsEmpty())
        unit.LoadString(kAmountUnitId);
    CString text;
    Int64ToGroupedText(value, text);
    text += ' ';
    text += unit;
    out = std::move(text);
}
