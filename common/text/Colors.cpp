#include "text/Colors.h"

#include <cstdlib>

namespace
{
struct ColorName
{
    COLORREF color;
    const char* name;
};

const ColorName g_colorNames[] = {
    {RGB(0x00, 0x00, 0x00), "black"},   {RGB(0x80, 0x80, 0x80), "gray"},   {RGB(0xC0, 0xC0, 0xC0), "silver"},
    {RGB(0xFF, 0xFF, 0xFF), "white"},   {RGB(0x80, 0x00, 0x00), "maroon"}, {RGB(0xFF, 0x00, 0x00), "red"},
    {RGB(0x80, 0x80, 0x00), "olive"},   {RGB(0xFF, 0xFF, 0x00), "yellow"}, {RGB(0x00, 0x80, 0x00), "green"},
    {RGB(0x00, 0xFF, 0x00), "lime"},    {RGB(0x00, 0x80, 0x80), "teal"},   {RGB(0x00, 0xFF, 0xFF), "aqua"},
    {RGB(0x00, 0x00, 0x80), "navy"},    {RGB(0x00, 0x00, 0xFF), "blue"},   {RGB(0x80, 0x00, 0x80), "purple"},
    {RGB(0xFF, 0x00, 0xFF), "fuchsia"},
};

int ClampChannel(int n)
{
    return n < 0 ? 0 : (n > 255 ? 255 : n);
}
} // namespace

BOOL IsBrightColor(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) > 384;
}

BOOL ColorsClose(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

BOOL IsNearBlack(COLORREF c)
{
    return ColorsClose(c, RGB(0, 0, 0), 47);
}

BOOL IsNearWhite(COLORREF c)
{
    return ColorsClose(c, RGB(255, 255, 255), 32);
}

CString ColorToHtmlText(COLORREF c, BOOL bUseNames)
{
    if (bUseNames)
    {
        for (const ColorName& entry : g_colorNames)
        {
            if (entry.color == c)
                return entry.name;
        }
    }
    CString strText;
    strText.Format("#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return strText;
}

COLORREF ShiftColor(COLORREF c, int nDelta)
{
    return RGB(ClampChannel(GetRValue(c) + nDelta), ClampChannel(GetGValue(c) + nDelta),
               ClampChannel(GetBValue(c) + nDelta));
}
