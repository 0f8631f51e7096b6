// The program's resources, its profile in the registry, the message box
// route, and the GDI wrappers.
#include "resource.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
TEST(Resources, StringsComeFromTheProgramInCodePage932)
{
    EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetResourceHandle());
    EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetInstanceHandle());
    CString str;
    ASSERT_TRUE(str.LoadString(IDS_TEST_TEXT));
    EXPECT_EQ(CString("表示：ｶﾀｶﾅと漢字"), str);
    EXPECT_FALSE(str.LoadString(9999));
    EXPECT_STREQ("AfxWinTest", AfxGetAppName());
}

TEST(Resources, ProfileLivesUnderTheRegistryKey)
{
    LPCTSTR pszOldKey = theApp.m_pszRegistryKey;
    LPCTSTR pszOldProfile = theApp.m_pszProfileName;
    theApp.m_pszRegistryKey = nullptr;
    theApp.m_pszProfileName = nullptr;
    theApp.SetRegistryKey("Tanzo Window Test");
    EXPECT_STREQ("AfxWinTest", theApp.m_pszProfileName);

    ASSERT_TRUE(theApp.WriteProfileInt("Settings", "Count", 3));
    ASSERT_TRUE(theApp.WriteProfileString("Settings", "Name", "表示"));
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tanzo Window Test\\AfxWinTest\\Settings", 0,
                              KEY_READ, &hKey));
    DWORD dwValue = 0;
    DWORD dwSize = sizeof(dwValue);
    DWORD dwType = 0;
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "Count", nullptr, &dwType, (LPBYTE)&dwValue, &dwSize));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    EXPECT_EQ(3u, dwValue);
    char szText[32] = {};
    dwSize = sizeof(szText);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "Name", nullptr, &dwType, (LPBYTE)szText, &dwSize));
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_STREQ("表示", szText);
    ::RegCloseKey(hKey);
    EXPECT_EQ(CString("表示"), theApp.GetProfileString("Settings", "Name"));

    CRegKey::DeleteTree(HKEY_CURRENT_USER, "Software\\Tanzo Window Test");
    free((void*)theApp.m_pszRegistryKey);
    free((void*)theApp.m_pszProfileName);
    theApp.m_pszRegistryKey = pszOldKey;
    theApp.m_pszProfileName = pszOldProfile;
}

TEST(Resources, MessageBoxesGoThroughTheApplication)
{
    theApp.m_boxes.clear();
    theApp.m_nBoxAnswer = IDNO;
    EXPECT_EQ(IDNO, AfxMessageBox("質問ですか?", MB_YESNO));
    EXPECT_EQ(IDNO, AfxMessageBox(IDS_TEST_TEXT, MB_YESNO));
    ASSERT_EQ(2u, theApp.m_boxes.size());
    EXPECT_EQ(CString("質問ですか?"), theApp.m_boxes[0]);
    EXPECT_EQ(CString("表示：ｶﾀｶﾅと漢字"), theApp.m_boxes[1]);
    theApp.m_nBoxAnswer = 0;
}

TEST(Gdi, DrawingOnAMemoryBitmap)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 10));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    ASSERT_NE(nullptr, pOld);
    dc.FillSolidRect(CRect(0, 0, 20, 10), RGB(0, 0, 255));
    dc.FillSolidRect(5, 2, 3, 3, RGB(255, 0, 0));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(6, 3));
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(20, bm.bmWidth);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "MS UI Gothic"));
    LOGFONTA lf = {};
    font.GetLogFont(&lf);
    EXPECT_LT(lf.lfHeight, 0);
    CFont* pOldFont = dc.SelectObject(&font);
    EXPECT_EQ(&font, dc.GetCurrentFont()); // the program's own object, not a wrapper
    EXPECT_GT(dc.GetTextExtent("表示").cx, 0);
    dc.SelectObject(pOldFont);
    dc.SelectObject(pOld);
}

TEST(Gdi, ObjectsOwnTheirHandlesAndMove)
{
    CBrush brush(RGB(1, 2, 3));
    HGDIOBJ hBrush = brush.m_hObject;
    ASSERT_NE(nullptr, hBrush);
    CBrush moved(std::move(brush));
    EXPECT_EQ(nullptr, brush.m_hObject);
    EXPECT_EQ(hBrush, moved.m_hObject);
    EXPECT_EQ(&moved, CGdiObject::FromHandle(hBrush));
    {
        CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
        EXPECT_EQ((DWORD)OBJ_PEN, ::GetObjectType(pen.m_hObject));
        hBrush = pen.m_hObject;
    }
    EXPECT_EQ(0u, (UINT)::GetObjectType(hBrush)); // deleted with its object

    // A wrapper of a stock object owns nothing.
    CGdiObject* pStock = CGdiObject::FromHandle(::GetStockObject(BLACK_BRUSH));
    ASSERT_NE(nullptr, pStock);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(::GetStockObject(BLACK_BRUSH)));
}
} // namespace
