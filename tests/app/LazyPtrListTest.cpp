// The lazily made list of control ids: its archive form, and the cursor
// test over the listed controls of a window.
#include "app/LazyPtrList.h"
#include "afx/Archive.h"
#include "afx/File.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(LazyPtrList, AllocatesNothingUntilTheFirstValue)
{
    CLazyPtrList list;
    EXPECT_EQ(nullptr, list.GetList());
    EXPECT_EQ(nullptr, list.GetWindow());
    list.AddTail(1001);
    list.AddTail(1002);
    ASSERT_NE(nullptr, list.GetList());
    EXPECT_EQ(2, list.GetList()->GetCount());
    EXPECT_EQ(1001u, list.GetList()->GetHead());
    EXPECT_EQ(1002u, list.GetList()->GetTail());
}

TEST(LazyPtrList, ArchivesACountAndFourBytesEach)
{
    CDWordValueList stored;
    stored.AddTail(0x11223344);
    stored.AddTail(7);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        stored.Serialize(ar);
    }
    const unsigned char expected[] = {2, 0, 0x44, 0x33, 0x22, 0x11, 7, 0, 0, 0};
    ASSERT_EQ(sizeof(expected), (size_t)file.GetLength());
    std::vector<unsigned char> bytes(sizeof(expected));
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    EXPECT_EQ(0, std::memcmp(expected, bytes.data(), sizeof(expected)));

    // Loading appends after what the list holds.
    CDWordValueList loaded;
    loaded.AddTail(99);
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    ASSERT_EQ(3, loaded.GetCount());
    POSITION pos = loaded.GetHeadPosition();
    EXPECT_EQ(99u, loaded.GetNext(pos));
    EXPECT_EQ(0x11223344u, loaded.GetNext(pos));
    EXPECT_EQ(7u, loaded.GetNext(pos));
}

TEST(LazyPtrList, ATruncatedArchiveThrowsEndOfFile)
{
    const BYTE bytes[] = {3, 0, 1, 0, 0, 0};
    CMemFile file(const_cast<BYTE*>(bytes), sizeof(bytes));
    CArchive ar(&file, CArchive::load);
    CDWordValueList list;
    try
    {
        list.Serialize(ar);
        FAIL() << "nothing thrown";
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
        e->Delete();
    }
}

#ifdef _WIN32
#include "WinTestUtil.h"

#include "afx/Wnd.h"

namespace
{
// A shown top-level window with one button (id 100) in its client area.
class LazyPtrListWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hWnd);
        m_hButton = ::CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 20, 20, 100, 40, m_hWnd,
                                      (HMENU)(INT_PTR)100, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hButton);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    POINT ButtonCentre() const
    {
        RECT rc;
        ::GetWindowRect(m_hButton, &rc);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }

    HWND m_hWnd = nullptr;
    HWND m_hButton = nullptr;
};
} // namespace

TEST_F(LazyPtrListWindow, CursorOverAListedVisibleControl)
{
    RUN_WHERE_THE_CURSOR_MOVES();
    CLazyPtrList list;
    EXPECT_TRUE(list.IsCursorOutside()); // nothing allocated, nothing listed
    EXPECT_EQ(nullptr, list.GetList());

    list.SetWindow(CWnd::FromHandle(m_hWnd));
    list.AddTail(999); // no such control
    POINT centre = ButtonCentre();
    ASSERT_TRUE(::SetCursorPos(centre.x, centre.y));
    EXPECT_TRUE(list.IsCursorOutside());

    list.AddTail(100);
    EXPECT_FALSE(list.IsCursorOutside());

    ::ShowWindow(m_hButton, SW_HIDE);
    EXPECT_TRUE(list.IsCursorOutside());
    ::ShowWindow(m_hButton, SW_SHOW);

    RECT rc;
    ::GetWindowRect(m_hButton, &rc);
    ASSERT_TRUE(::SetCursorPos(rc.right + 30, rc.bottom + 30));
    EXPECT_TRUE(list.IsCursorOutside());
}
#endif
