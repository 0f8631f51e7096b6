#include "afx/Time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

// The native tests run in Asia/Tokyo; under Wine the zone is the host's.
// Tests of local time therefore convert both ways, or check the zone first.

namespace
{
// 2023-11-14 22:13:20 UTC.
const LONGLONG kSample = 1700000000;

// Seconds by which local time is ahead of UTC at t.
LONGLONG LocalOffset(const CTime& t)
{
    struct tm local, gmt;
    t.GetLocalTm(&local);
    t.GetGmtTm(&gmt);
    int days = local.tm_year != gmt.tm_year ? local.tm_year - gmt.tm_year : local.tm_yday - gmt.tm_yday;
    return days * 86400LL + (local.tm_hour - gmt.tm_hour) * 3600 + (local.tm_min - gmt.tm_min) * 60 +
           local.tm_sec - gmt.tm_sec;
}

// The six comparisons of T order as its seconds do.
template <class T> void ExpectOrderedAsSeconds()
{
    const LONGLONG table[][2] = {{0, 0}, {1, 2}, {2, 1}, {-5, 5}, {kSample, kSample + 1}, {1LL << 40, 1}};
    for (const auto& row : table)
    {
        T x(row[0]), y(row[1]);
        EXPECT_EQ(row[0] == row[1], x == y) << row[0] << " " << row[1];
        EXPECT_EQ(row[0] != row[1], x != y) << row[0] << " " << row[1];
        EXPECT_EQ(row[0] < row[1], x < y) << row[0] << " " << row[1];
        EXPECT_EQ(row[0] > row[1], x > y) << row[0] << " " << row[1];
        EXPECT_EQ(row[0] <= row[1], x <= y) << row[0] << " " << row[1];
        EXPECT_EQ(row[0] >= row[1], x >= y) << row[0] << " " << row[1];
    }
}

// Whether local time is Japan's (+9 hours, no daylight saving) at kSample.
bool IsJapanTime()
{
    CTime t(kSample);
    struct tm local, gmt;
    t.GetLocalTm(&local);
    t.GetGmtTm(&gmt);
    return local.tm_hour == (gmt.tm_hour + 9) % 24 && local.tm_isdst == 0;
}
} // namespace

TEST(TimeSpanTest, Parts)
{
    CTimeSpan span(3, 4, 5, 6);
    EXPECT_EQ(3 * 86400 + 4 * 3600 + 5 * 60 + 6, span.GetTotalSeconds());
    EXPECT_EQ(3, span.GetDays());
    EXPECT_EQ(4, span.GetHours());
    EXPECT_EQ(5, span.GetMinutes());
    EXPECT_EQ(6, span.GetSeconds());
    EXPECT_EQ(76, span.GetTotalHours());
    EXPECT_EQ(76 * 60 + 5, span.GetTotalMinutes());

    CTimeSpan carried(0, 25, 61, 61); // parts past their range carry over
    EXPECT_EQ(1, carried.GetDays());
    EXPECT_EQ(2, carried.GetHours());
    EXPECT_EQ(2, carried.GetMinutes());
    EXPECT_EQ(1, carried.GetSeconds());

    CTimeSpan big(20000, 0, 0, 0); // past 32 bits of seconds
    EXPECT_EQ(20000LL * 86400, big.GetTotalSeconds());
    EXPECT_EQ(20000, big.GetDays());

    CTimeSpan negative(-90);
    EXPECT_EQ(-1, negative.GetMinutes());
    EXPECT_EQ(-30, negative.GetSeconds());
    EXPECT_EQ(0, CTimeSpan().GetTotalSeconds());
}

TEST(TimeSpanTest, ArithmeticAndComparisons)
{
    CTimeSpan a(100), b(40);
    EXPECT_EQ(140, (a + b).GetTotalSeconds());
    EXPECT_EQ(60, (a - b).GetTotalSeconds());
    EXPECT_EQ(-60, (b - a).GetTotalSeconds());
    CTimeSpan c = a;
    c += b;
    EXPECT_EQ(140, c.GetTotalSeconds());
    c -= a;
    EXPECT_EQ(b, c);

    ExpectOrderedAsSeconds<CTimeSpan>();
}

TEST(TimeSpanTest, Format)
{
    CTimeSpan span(2, 3, 4, 5);
    EXPECT_STREQ("2 days 03:04:05", span.Format("%D days %H:%M:%S"));
    EXPECT_STREQ("2日 03時間04分05秒 100%", span.Format("%D日 %H時間%M分%S秒 100%%"));
    EXPECT_STREQ("x", span.Format("%x"));
    EXPECT_STREQ("12345", CTimeSpan(12345, 0, 0, 0).Format("%D"));
    EXPECT_STREQ("", span.Format(""));
    EXPECT_STREQ("", span.Format((LPCTSTR) nullptr));
    EXPECT_STREQ("05", span.Format("%S%"));
}

TEST(TimeTest, ConstructionAndParts)
{
    EXPECT_EQ(0, CTime().GetTime());
    EXPECT_EQ(kSample, CTime(kSample).GetTime());

    CTime t(2024, 6, 15, 10, 20, 30);
    EXPECT_EQ(2024, t.GetYear());
    EXPECT_EQ(6, t.GetMonth());
    EXPECT_EQ(15, t.GetDay());
    EXPECT_EQ(10, t.GetHour());
    EXPECT_EQ(20, t.GetMinute());
    EXPECT_EQ(30, t.GetSecond());
    EXPECT_EQ(7, t.GetDayOfWeek()); // a Saturday

    struct tm local;
    EXPECT_EQ(&local, t.GetLocalTm(&local));
    EXPECT_EQ(124, local.tm_year);
    EXPECT_EQ(5, local.tm_mon);
    struct tm* thread = t.GetLocalTm();
    ASSERT_NE(nullptr, thread);
    EXPECT_EQ(15, thread->tm_mday);

    // Out-of-range parts normalise as mktime does.
    CTime carried(2024, 12, 31, 23, 59, 60);
    EXPECT_EQ(2025, carried.GetYear());
    EXPECT_EQ(1, carried.GetMonth());
    EXPECT_EQ(1, carried.GetDay());
    EXPECT_EQ(0, carried.GetHour());
}

TEST(TimeTest, GmtDoesNotDependOnTheZone)
{
    CTime t(kSample);
    struct tm gmt;
    t.GetGmtTm(&gmt);
    EXPECT_EQ(123, gmt.tm_year);
    EXPECT_EQ(10, gmt.tm_mon);
    EXPECT_EQ(14, gmt.tm_mday);
    EXPECT_EQ(22, gmt.tm_hour);
    EXPECT_EQ(13, gmt.tm_min);
    EXPECT_EQ(20, gmt.tm_sec);
    EXPECT_EQ(2, gmt.tm_wday);
    EXPECT_STREQ("2023-11-14 22:13:20", t.FormatGmt("%Y-%m-%d %H:%M:%S"));
    EXPECT_STREQ("1970-01-01 00:00:00", CTime(0).FormatGmt("%Y-%m-%d %H:%M:%S"));
    // Past 2038: the value is 64 bits wide.
    EXPECT_STREQ("2100-01-01 00:00:00", CTime(4102444800LL).FormatGmt("%Y-%m-%d %H:%M:%S"));
}

TEST(TimeTest, JapanTime)
{
    if (!IsJapanTime())
        GTEST_SKIP() << "local time is not Japan's";
    CTime t(2024, 1, 1, 9, 0, 0);
    EXPECT_EQ(1704067200, t.GetTime());
    EXPECT_STREQ("2023年11月15日 07時13分", CTime(kSample).Format("%Y年%m月%d日 %H時%M分"));
    EXPECT_EQ(kSample, CTime(2023, 11, 15, 7, 13, 20).GetTime());
    EXPECT_STREQ("+0900", CTime(kSample).Format("%z"));
}

TEST(TimeTest, ArithmeticAndComparisons)
{
    CTime t(2024, 6, 15, 10, 20, 30);
    CTime later = t + CTimeSpan(1, 2, 3, 4);
    EXPECT_EQ(16, later.GetDay());
    EXPECT_EQ(12, later.GetHour());
    EXPECT_EQ(23, later.GetMinute());
    EXPECT_EQ(34, later.GetSecond());
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4), later - t);
    EXPECT_EQ(t, later - CTimeSpan(1, 2, 3, 4));
    CTime u = t;
    u += CTimeSpan(60);
    EXPECT_EQ(21, u.GetMinute());
    u -= CTimeSpan(120);
    EXPECT_EQ(19, u.GetMinute());
    EXPECT_EQ(-60, (u - t).GetTotalSeconds());

    ExpectOrderedAsSeconds<CTime>();
}

TEST(TimeTest, CurrentTime)
{
    LONGLONG before = (LONGLONG)time(nullptr);
    CTime now = CTime::GetCurrentTime();
    LONGLONG after = (LONGLONG)time(nullptr);
    EXPECT_LE(before, now.GetTime());
    EXPECT_GE(after, now.GetTime());
    EXPECT_GE(now.GetYear(), 2024);
}

TEST(TimeTest, FormatJapaneseText)
{
    CTime t(2024, 3, 5, 8, 7, 6);
    // Literal text, two-byte characters with trail bytes '\\', '%' look-alikes
    // and all, passes through unchanged.
    EXPECT_STREQ("2024年03月05日 08時07分06秒", t.Format("%Y年%m月%d日 %H時%M分%S秒"));
    EXPECT_STREQ("表示ソ\\ 2024", t.Format("表示ソ\\ %Y"));
    EXPECT_STREQ("ｶﾞｲﾄﾞ 3/5 8時", t.Format("ｶﾞｲﾄﾞ %#m/%#d %#H時"));
    EXPECT_STREQ("2023年11月14日（Tue）", CTime(kSample).FormatGmt("%Y年%m月%d日（%a）"));
}

TEST(TimeTest, FormatConversions)
{
    CTime t(2024, 3, 5, 8, 7, 6); // a Tuesday, the 65th day of the year
    struct
    {
        const char* format;
        const char* text;
    } table[] = {
        {"%a %A", "Tue Tuesday"},
        {"%b %B %h", "Mar March Mar"},
        {"%c", "03/05/24 08:07:06"},
        {"%#c", "Tuesday, March 5, 2024, 08:07:06"},
        {"%x|%X", "03/05/24|08:07:06"},
        {"%#x", "Tuesday, March 5, 2024"},
        {"%d %e %#d", "05  5 5"},
        {"%D %F %T %R", "03/05/24 2024-03-05 08:07:06 08:07"},
        {"%H %I %p", "08 08 AM"},
        {"%j %#j", "065 65"},
        {"%m %M %S", "03 07 06"},
        {"%u %w", "2 2"},
        {"%U %W", "09 10"},
        {"%y %Y %C", "24 2024 20"},
        {"%%|%n|%t", "%|\n|\t"},
        {"%Q %#Q", "%Q %#Q"},
        {"", ""},
        {"100%", "100"},
    };
    for (const auto& row : table)
        EXPECT_STREQ(row.text, t.Format(row.format)) << row.format;

    CTime pm(2024, 3, 5, 0, 30, 0);
    EXPECT_STREQ("12 AM", pm.Format("%I %p"));
    EXPECT_STREQ("12 PM", (pm + CTimeSpan(0, 12, 0, 0)).Format("%I %p"));
    EXPECT_STREQ("11 PM", (pm + CTimeSpan(0, 23, 0, 0)).Format("%I %p"));

    EXPECT_STREQ("+0000 UTC", t.FormatGmt("%z %Z"));
    EXPECT_FALSE(t.Format("%Z").IsEmpty());
    // The offset agrees with the local time, whatever the zone.
    CString offset = t.Format("%z");
    ASSERT_EQ(5, offset.GetLength());
    int minutes = atoi(offset.Mid(1, 2)) * 60 + atoi(offset.Mid(3));
    EXPECT_EQ(LocalOffset(t), (offset[0] == '-' ? -60 : 60) * minutes);
    EXPECT_STREQ("", t.Format((LPCTSTR) nullptr));

    // Any length.
    std::string format, expected;
    for (int i = 0; i < 300; ++i)
    {
        format += "%Y年";
        expected += "2024年";
    }
    EXPECT_STREQ(expected.c_str(), t.Format(format.c_str()));
}
