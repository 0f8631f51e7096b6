#include "afx/Time.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "afx/StringTable.h"

namespace
{
// The C library's conversions, in 64 bits on every platform (MinGW's time_t
// may be 32 bits wide in the i686 build).
bool LocalTm(LONGLONG time, struct tm* ptm)
{
#ifdef _WIN32
    __time64_t t = time;
    return _localtime64_s(ptm, &t) == 0;
#else
    time_t t = (time_t)time;
    return localtime_r(&t, ptm) != nullptr;
#endif
}

bool GmtTm(LONGLONG time, struct tm* ptm)
{
#ifdef _WIN32
    __time64_t t = time;
    return _gmtime64_s(ptm, &t) == 0;
#else
    time_t t = (time_t)time;
    return gmtime_r(&t, ptm) != nullptr;
#endif
}

LONGLONG MakeTime(struct tm* ptm)
{
#ifdef _WIN32
    return _mktime64(ptm);
#else
    return mktime(ptm);
#endif
}

LONGLONG Now()
{
#ifdef _WIN32
    return _time64(nullptr);
#else
    return time(nullptr);
#endif
}

struct tm* FillTm(LONGLONG time, struct tm* ptm, bool gmt)
{
    static thread_local struct tm tmThread;
    if (ptm == nullptr)
        ptm = &tmThread;
    if (!(gmt ? GmtTm(time, ptm) : LocalTm(time, ptm)))
        std::memset(ptm, 0, sizeof(*ptm));
    return ptm;
}

const char* const kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

// A number of at least nWidth digits, zero-padded; bNoPad ("%#d") drops
// the leading zeros.
void AppendNumber(std::string& out, long long n, int nWidth, bool bNoPad)
{
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%0*lld", bNoPad ? 1 : nWidth, n);
    out += buffer;
}

void AppendName(std::string& out, const char* pszName, bool bShort)
{
    out.append(pszName, bShort ? 3 : std::strlen(pszName));
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
LONGLONG DaysFromCivil(LONGLONG y, int m, int d)
{
    y -= m <= 2;
    LONGLONG era = (y >= 0 ? y : y - 399) / 400;
    LONGLONG yoe = y - era * 400;
    LONGLONG doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    LONGLONG doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// How far local time t is ahead of UTC at time.
LONGLONG UtcOffset(LONGLONG time, const struct tm& t)
{
    LONGLONG days = DaysFromCivil(t.tm_year + 1900LL, t.tm_mon + 1, t.tm_mday);
    return days * 86400 + t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec - time;
}

// strftime's conversions written out, so that every platform gives the same
// text: the C locale's names, MSVCRT's %c, %x and %X, its '#' flag, %z as
// an offset (MSVCRT gives the zone's name). Only the name of the zone (%Z)
// comes from the C library.
void FormatTm(std::string& out, const char* pszFormat, const struct tm& t, bool gmt, LONGLONG offset)
{
    for (const char* p = pszFormat; *p != '\0';)
    {
        if (*p != '%')
        {
            const char* next = AfxCharNext(p);
            out.append(p, next - p);
            p = next;
            continue;
        }
        ++p;
        bool alt = *p == '#';
        if (alt)
            ++p;
        char c = *p;
        if (c == '\0')
            break;
        ++p;
        int hour12 = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
        switch (c)
        {
        case 'a':
            AppendName(out, kDayNames[t.tm_wday % 7], true);
            break;
        case 'A':
            AppendName(out, kDayNames[t.tm_wday % 7], false);
            break;
        case 'b':
        case 'h':
            AppendName(out, kMonthNames[t.tm_mon % 12], true);
            break;
        case 'B':
            AppendName(out, kMonthNames[t.tm_mon % 12], false);
            break;
        case 'c':
            FormatTm(out, alt ? "%A, %B %#d, %Y, %H:%M:%S" : "%m/%d/%y %H:%M:%S", t, gmt, offset);
            break;
        case 'C':
            AppendNumber(out, (t.tm_year + 1900) / 100, 2, alt);
            break;
        case 'd':
            AppendNumber(out, t.tm_mday, 2, alt);
            break;
        case 'D':
            FormatTm(out, "%m/%d/%y", t, gmt, offset);
            break;
        case 'e':
            if (t.tm_mday < 10 && !alt)
                out += ' ';
            AppendNumber(out, t.tm_mday, 1, alt);
            break;
        case 'F':
            FormatTm(out, "%Y-%m-%d", t, gmt, offset);
            break;
        case 'H':
            AppendNumber(out, t.tm_hour, 2, alt);
            break;
        case 'I':
            AppendNumber(out, hour12, 2, alt);
            break;
        case 'j':
            AppendNumber(out, t.tm_yday + 1, 3, alt);
            break;
        case 'm':
            AppendNumber(out, t.tm_mon + 1, 2, alt);
            break;
        case 'M':
            AppendNumber(out, t.tm_min, 2, alt);
            break;
        case 'n':
            out += '\n';
            break;
        case 'p':
            out += t.tm_hour < 12 ? "AM" : "PM";
            break;
        case 'R':
            FormatTm(out, "%H:%M", t, gmt, offset);
            break;
        case 'S':
            AppendNumber(out, t.tm_sec, 2, alt);
            break;
        case 't':
            out += '\t';
            break;
        case 'T':
            FormatTm(out, "%H:%M:%S", t, gmt, offset);
            break;
        case 'u':
            AppendNumber(out, t.tm_wday == 0 ? 7 : t.tm_wday, 1, alt);
            break;
        case 'U':
            AppendNumber(out, (t.tm_yday + 7 - t.tm_wday) / 7, 2, alt);
            break;
        case 'w':
            AppendNumber(out, t.tm_wday, 1, alt);
            break;
        case 'W':
            AppendNumber(out, (t.tm_yday + 7 - (t.tm_wday + 6) % 7) / 7, 2, alt);
            break;
        case 'x':
            FormatTm(out, alt ? "%A, %B %#d, %Y" : "%m/%d/%y", t, gmt, offset);
            break;
        case 'X':
            FormatTm(out, "%H:%M:%S", t, gmt, offset);
            break;
        case 'y':
            AppendNumber(out, (t.tm_year + 1900) % 100, 2, alt);
            break;
        case 'Y':
            AppendNumber(out, t.tm_year + 1900, 1, alt);
            break;
        case 'z':
            out += offset < 0 ? '-' : '+';
            AppendNumber(out, (offset < 0 ? -offset : offset) / 3600, 2, false);
            AppendNumber(out, (offset < 0 ? -offset : offset) / 60 % 60, 2, false);
            break;
        case 'Z':
            if (gmt)
                out += "UTC";
            else
            {
                char zone[128] = "";
                std::strftime(zone, sizeof(zone), "%Z", &t);
                out += zone;
            }
            break;
        case '%':
            out += '%';
            break;
        default: // not a conversion: kept as it is
            out += alt ? "%#" : "%";
            out.append(p - 1, AfxCharNext(p - 1) - (p - 1));
            p = AfxCharNext(p - 1);
            break;
        }
    }
}

CString FormatTime(LONGLONG time, LPCTSTR pFormat, bool gmt)
{
    if (pFormat == nullptr)
        return CString();
    struct tm t;
    if (!(gmt ? GmtTm(time, &t) : LocalTm(time, &t)))
        return CString();
    std::string out;
    FormatTm(out, pFormat, t, gmt, gmt ? 0 : UtcOffset(time, t));
    return CString(out.c_str(), (int)out.size());
}

CString LoadFormat(UINT nFormatID)
{
    CString format;
    format.LoadString(nFormatID);
    return format;
}
} // namespace

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(nSecs + 60 * (nMins + 60 * (nHours + 24 * (LONGLONG)lDays)))
{
}

const CTimeSpan& CTimeSpan::operator+=(CTimeSpan timeSpan)
{
    m_timeSpan += timeSpan.m_timeSpan;
    return *this;
}

const CTimeSpan& CTimeSpan::operator-=(CTimeSpan timeSpan)
{
    m_timeSpan -= timeSpan.m_timeSpan;
    return *this;
}

CString CTimeSpan::Format(LPCTSTR pFormat) const
{
    std::string out;
    char number[32];
    for (const char* p = pFormat != nullptr ? pFormat : ""; *p != '\0';)
    {
        if (*p != '%')
        {
            const char* next = AfxCharNext(p);
            out.append(p, next - p);
            p = next;
            continue;
        }
        char c = *++p;
        if (c == '\0')
            break;
        ++p;
        switch (c)
        {
        case 'D':
            std::snprintf(number, sizeof(number), "%lld", (long long)GetDays());
            break;
        case 'H':
            std::snprintf(number, sizeof(number), "%02d", GetHours());
            break;
        case 'M':
            std::snprintf(number, sizeof(number), "%02d", GetMinutes());
            break;
        case 'S':
            std::snprintf(number, sizeof(number), "%02d", GetSeconds());
            break;
        default: // "%%" and the like: the character itself
            number[0] = '\0';
            out.append(p - 1, AfxCharNext(p - 1) - (p - 1));
            p = AfxCharNext(p - 1);
            break;
        }
        out += number;
    }
    return CString(out.c_str(), (int)out.size());
}

CString CTimeSpan::Format(UINT nFormatID) const
{
    return Format(LoadFormat(nFormatID));
}

CTime CTime::GetCurrentTime()
{
    return CTime(Now());
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm t = {};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = nDST;
    m_time = MakeTime(&t);
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    return FillTm(m_time, ptm, true);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    return FillTm(m_time, ptm, false);
}

const CTime& CTime::operator+=(CTimeSpan timeSpan)
{
    m_time += timeSpan.GetTotalSeconds();
    return *this;
}

const CTime& CTime::operator-=(CTimeSpan timeSpan)
{
    m_time -= timeSpan.GetTotalSeconds();
    return *this;
}

CString CTime::Format(LPCTSTR pFormat) const
{
    return FormatTime(m_time, pFormat, false);
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    return FormatTime(m_time, pFormat, true);
}

CString CTime::Format(UINT nFormatID) const
{
    return Format(LoadFormat(nFormatID));
}

CString CTime::FormatGmt(UINT nFormatID) const
{
    return FormatGmt(LoadFormat(nFormatID));
}
