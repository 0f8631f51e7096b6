// GDI objects, DCs, menus and image lists own their handles the same way:
// attach and detach, moves (from empty and onto themselves too), and the
// temporary wrappers of FromHandle, each checked on real handles.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace
{
HGDIOBJ NewBrush()
{
    return ::CreateSolidBrush(RGB(1, 2, 3));
}

bool GdiAlive(HGDIOBJ h)
{
    return ::GetObjectType(h) != 0;
}

HDC NewDC()
{
    return ::CreateCompatibleDC(nullptr);
}

bool DCAlive(HDC h)
{
    return ::GetObjectType(h) == OBJ_MEMDC;
}

HMENU NewMenu()
{
    return ::CreatePopupMenu();
}

bool MenuAlive(HMENU h)
{
    return ::IsMenu(h) != FALSE;
}

// An image list is known dead by the bitmap that holds its images, which
// goes with it.
std::map<HIMAGELIST, HBITMAP> g_imageBitmaps;

HIMAGELIST NewImageList()
{
    HIMAGELIST h = ::ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    HBITMAP hImage = ::CreateBitmap(16, 16, 1, 32, nullptr);
    ::ImageList_Add(h, hImage, nullptr);
    ::DeleteObject(hImage);
    IMAGEINFO info = {};
    if (::ImageList_GetImageInfo(h, 0, &info))
        g_imageBitmaps[h] = info.hbmImage;
    return h;
}

bool ImageListAlive(HIMAGELIST h)
{
    auto it = g_imageBitmaps.find(h);
    return it != g_imageBitmaps.end() && ::GetObjectType(it->second) == OBJ_BITMAP;
}

template <class T>
void CheckOwnership(typename T::HANDLE_TYPE (*create)(), bool (*alive)(typename T::HANDLE_TYPE))
{
    typedef typename T::HANDLE_TYPE H;

    // Attach takes a handle, a second one replaces (and destroys) it, a
    // null one is refused; Detach gives the handle up alive.
    H h1 = create();
    H h2 = create();
    ASSERT_TRUE(h1 != nullptr && h2 != nullptr && alive(h1) && alive(h2));
    T holder;
    EXPECT_TRUE(holder.Attach(h1));
    EXPECT_EQ(&holder, T::FromHandle(h1));
    EXPECT_EQ(&holder, T::FromHandlePermanent(h1));
    EXPECT_TRUE(holder.Attach(h2));
    EXPECT_FALSE(alive(h1));
    EXPECT_EQ(nullptr, T::FromHandlePermanent(h1));
    EXPECT_FALSE(holder.Attach(nullptr));
    EXPECT_EQ(h2, holder.GetHandle());
    EXPECT_EQ(h2, holder.Detach());
    EXPECT_EQ(nullptr, holder.GetHandle());
    EXPECT_EQ(nullptr, T::FromHandlePermanent(h2));
    EXPECT_TRUE(alive(h2));

    // A move hands the handle over; the object that holds it is found.
    T source;
    source.Attach(h2);
    T moved(std::move(source));
    EXPECT_EQ(nullptr, source.GetHandle());
    EXPECT_EQ(h2, moved.GetHandle());
    EXPECT_EQ(&moved, T::FromHandlePermanent(h2));
    T& same = moved;
    moved = std::move(same);
    EXPECT_EQ(h2, moved.GetHandle());
    EXPECT_TRUE(alive(h2));

    // Moving onto a holder destroys what it held, also when the source is
    // empty.
    H h3 = create();
    T other;
    other.Attach(h3);
    moved = std::move(other);
    EXPECT_FALSE(alive(h2));
    EXPECT_EQ(h3, moved.GetHandle());
    EXPECT_EQ(&moved, T::FromHandlePermanent(h3));
    T empty;
    moved = std::move(empty);
    EXPECT_FALSE(alive(h3));
    EXPECT_EQ(nullptr, moved.GetHandle());

    // The handle goes with its object.
    H h4 = create();
    {
        T scoped;
        scoped.Attach(h4);
    }
    EXPECT_FALSE(alive(h4));
    EXPECT_EQ(nullptr, T::FromHandlePermanent(h4));

    // A handle no object holds gets one temporary wrapper, which owns
    // nothing.
    H h5 = create();
    T* pTemp = T::FromHandle(h5);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(h5, pTemp->GetHandle());
    EXPECT_EQ(pTemp, T::FromHandle(h5));
    EXPECT_EQ(nullptr, T::FromHandlePermanent(h5));
    T::DeleteTempMap();
    EXPECT_TRUE(alive(h5));
    EXPECT_EQ(nullptr, T::FromHandle(nullptr));
    moved.Attach(h5);
}

TEST(HandleObject, EveryKindOwnsItsHandleTheSameWay)
{
    const struct
    {
        const char* kind;
        void (*check)();
    } kinds[] = {
        {"CGdiObject", [] { CheckOwnership<CGdiObject>(NewBrush, GdiAlive); }},
        {"CDC", [] { CheckOwnership<CDC>(NewDC, DCAlive); }},
        {"CMenu", [] { CheckOwnership<CMenu>(NewMenu, MenuAlive); }},
        {"CImageList", [] { CheckOwnership<CImageList>(NewImageList, ImageListAlive); }},
    };
    for (const auto& k : kinds)
    {
        SCOPED_TRACE(k.kind);
        k.check();
    }
}
} // namespace
