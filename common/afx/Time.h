#ifndef TANZO_AFX_TIME_H
#define TANZO_AFX_TIME_H

#include <ctime>

#include "afx/String.h"
#include "afx/wintypes.h"

// <windows.h> makes GetCurrentTime() a macro for GetTickCount(); MFC's
// CTime::GetCurrentTime needs the name.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// MFC 4.2's CTimeSpan: a signed number of seconds. Kept in 64 bits; the
// data files hold it in 32 (the archive narrows GetTotalSeconds()).
class CTimeSpan
{
public:
    CTimeSpan() : m_timeSpan(0) {}
    CTimeSpan(LONGLONG time) : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    LONGLONG GetDays() const { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const { return m_timeSpan / 3600; }
    int GetHours() const { return (int)(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const { return m_timeSpan / 60; }
    int GetMinutes() const { return (int)(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const { return m_timeSpan; }
    int GetSeconds() const { return (int)(GetTotalSeconds() - GetTotalMinutes() * 60); }

    CTimeSpan operator-(CTimeSpan timeSpan) const { return m_timeSpan - timeSpan.m_timeSpan; }
    CTimeSpan operator+(CTimeSpan timeSpan) const { return m_timeSpan + timeSpan.m_timeSpan; }
    const CTimeSpan& operator+=(CTimeSpan timeSpan);
    const CTimeSpan& operator-=(CTimeSpan timeSpan);
    bool operator==(CTimeSpan timeSpan) const { return m_timeSpan == timeSpan.m_timeSpan; }
    bool operator!=(CTimeSpan timeSpan) const { return m_timeSpan != timeSpan.m_timeSpan; }
    bool operator<(CTimeSpan timeSpan) const { return m_timeSpan < timeSpan.m_timeSpan; }
    bool operator>(CTimeSpan timeSpan) const { return m_timeSpan > timeSpan.m_timeSpan; }
    bool operator<=(CTimeSpan timeSpan) const { return m_timeSpan <= timeSpan.m_timeSpan; }
    bool operator>=(CTimeSpan timeSpan) const { return m_timeSpan >= timeSpan.m_timeSpan; }

    // %D days, %H hours, %M minutes, %S seconds (two digits), %% a percent
    // sign; any other character after % stands for itself.
    CString Format(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;

private:
    LONGLONG m_timeSpan;
};

// MFC 4.2's CTime: seconds since 1970-01-01 00:00 UTC, kept in 64 bits;
// the data files hold GetTime() in 32.
class CTime
{
public:
    static CTime GetCurrentTime();

    CTime() : m_time(0) {}
    CTime(LONGLONG time) : m_time(time) {}
    // Local time, as mktime: nDST < 0 lets the C library decide.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    // ptm == nullptr: a buffer of the calling thread, valid until its next
    // call. The result is all zero for a time the C library cannot convert.
    struct tm* GetGmtTm(struct tm* ptm = nullptr) const;
    struct tm* GetLocalTm(struct tm* ptm = nullptr) const;

    LONGLONG GetTime() const { return m_time; }
    int GetYear() const { return GetLocalTm()->tm_year + 1900; }
    int GetMonth() const { return GetLocalTm()->tm_mon + 1; }
    int GetDay() const { return GetLocalTm()->tm_mday; }
    int GetHour() const { return GetLocalTm()->tm_hour; }
    int GetMinute() const { return GetLocalTm()->tm_min; }
    int GetSecond() const { return GetLocalTm()->tm_sec; }
    int GetDayOfWeek() const { return GetLocalTm()->tm_wday + 1; } // 1 = Sunday

    CTimeSpan operator-(CTime time) const { return m_time - time.m_time; }
    CTime operator-(CTimeSpan timeSpan) const { return m_time - timeSpan.GetTotalSeconds(); }
    CTime operator+(CTimeSpan timeSpan) const { return m_time + timeSpan.GetTotalSeconds(); }
    const CTime& operator+=(CTimeSpan timeSpan);
    const CTime& operator-=(CTimeSpan timeSpan);
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

    // strftime formats, the same on every platform: the C locale's names
    // and MSVCRT's %c %x %X, the '#' flag of MSVCRT ("%#d": no leading
    // zero). Text outside the conversions, Japanese included, is copied.
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;
    CString FormatGmt(UINT nFormatID) const;

private:
    LONGLONG m_time;
};

#endif // TANZO_AFX_TIME_H
