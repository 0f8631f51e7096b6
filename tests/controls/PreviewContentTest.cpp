// The preview's content apart from its windows: the document built around
// a text, the temporary files written and removed, and what the preview
// lets its page do.
#include "controls/PreviewContent.h"
#include "controls/BrowserNavigation.h"

#include "afx/File.h"
#include "afx/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class CTestPreviewContent : public CPreviewContent
{
public:
    // A file as if it had been written.
    void AddWrittenFile(LPCTSTR lpszPath) { m_writtenFiles.AddTail(lpszPath); }
};

BOOL Exists(LPCTSTR lpszPath)
{
    CFileStatus status;
    return CFile::GetStatus(lpszPath, status);
}

std::string ReadAll(LPCTSTR lpszPath)
{
    CFile file(lpszPath, CFile::modeRead);
    std::string bytes(file.GetLength(), '\0');
    if (!bytes.empty())
        file.Read(&bytes[0], (UINT)bytes.size());
    return bytes;
}
} // namespace

TEST(PreviewContentTest, DocumentAroundAText)
{
    const char kHead[] =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
        "</head><body>";
    CPreviewContent content;
    content.SetHtml("old");
    content.BuildPreviewHtml("商品説明 <b>太字</b> &amp;");
    EXPECT_STREQ(CString(kHead) + "商品説明 <b>太字</b> &amp;</body></html>", content.GetHtml());

    content.GetOptions().Add(PREVIEW_WITH_DOCTYPE);
    content.BuildPreviewHtml("");
    EXPECT_STREQ(CString("<!DOCTYPE html>") + kHead + "</body></html>", content.GetHtml());
}

TEST(PreviewContentTest, FilePathJoinsWorkFileAndName)
{
    CString path;
    ASSERT_TRUE(MakePreviewFilePath("C:\\Temp\\Tanzo\\ab12", "preview_dlg", path));
    EXPECT_STREQ("C:\\Temp\\Tanzo\\ab12_preview_dlg.htm", path);
    EXPECT_FALSE(MakePreviewFilePath("C:\\Temp\\ab12", "", path));
    EXPECT_TRUE(path.IsEmpty());
    EXPECT_FALSE(MakePreviewFilePath("", "preview_dlg", path));
    EXPECT_FALSE(MakePreviewFilePath(nullptr, "preview_dlg", path));
}

TEST(PreviewContentTest, WritesTheBytesUnchangedAndRemovesTheFilesOnce)
{
    TempDir dir;
    CString work = dir.Path("work");
    CString first = work + "_preview.htm";
    CString second = work + "_other.htm";
    {
        CPreviewContent content;
        // Shift_JIS bytes, a CR LF and a NUL-free binary mix go out as they are.
        content.SetHtml("<p>日本語</p>\r\n\x81\x40");
        ASSERT_TRUE(content.WritePreviewFile(work, "preview"));
        EXPECT_STREQ(first, content.GetFilePath());
        EXPECT_EQ(std::string("<p>日本語</p>\r\n\x81\x40"), ReadAll(first));

        content.SetHtml("second");
        ASSERT_TRUE(content.WritePreviewFile(work, "preview"));
        EXPECT_EQ("second", ReadAll(first));
        EXPECT_EQ(1, content.GetWrittenFiles().GetCount());

        // An empty HTML still makes a file, of 0 bytes.
        content.SetHtml("");
        ASSERT_TRUE(content.WritePreviewFile(work, "other"));
        EXPECT_STREQ(second, content.GetFilePath());
        EXPECT_EQ("", ReadAll(second));
        EXPECT_EQ(2, content.GetWrittenFiles().GetCount());

        // One already gone is no trouble at the end.
        CFile::Remove(second);
    }
    EXPECT_FALSE(Exists(first));
    EXPECT_FALSE(Exists(second));
}

TEST(PreviewContentTest, AFailedWriteKeepsTheLastFile)
{
    TempDir dir;
    CString work = dir.Path("work");
    CPreviewContent content;
    content.SetHtml("x");
    ASSERT_TRUE(content.WritePreviewFile(work, "preview"));
    CString written = content.GetFilePath();

    EXPECT_FALSE(content.WritePreviewFile(dir.Path("missing-folder/work"), "preview"));
    EXPECT_FALSE(content.WritePreviewFile(work, ""));
    EXPECT_FALSE(content.WritePreviewFile("", "preview"));
    EXPECT_STREQ(written, content.GetFilePath());
    EXPECT_EQ(1, content.GetWrittenFiles().GetCount());
}

TEST(PreviewContentTest, NavigationsOfThePage)
{
    CTestPreviewContent content;
    content.AddWrittenFile("C:\\Users\\u\\AppData\\Local\\Temp\\Tanzo\\ab12_preview_dlg.htm");
    struct Case
    {
        const char* name;
        const char* url;
        DWORD flags;
        PreviewNavigation result;
    } cases[] = {
        {"user click on a web address", "https://auctions.example.jp/item/1", HTMLNAV_BY_USER,
         PREVIEW_NAV_OPEN_OUTSIDE},
        {"user click on a plain address", "http://example.jp/", HTMLNAV_BY_USER | 0x2,
         PREVIEW_NAV_OPEN_OUTSIDE},
        {"a frame's own navigation", "https://ads.example.jp/frame", 0, PREVIEW_NAV_PASS},
        {"a meta refresh", "http://example.jp/next", 0, PREVIEW_NAV_PASS},
        {"about:blank", "about:blank", 0, PREVIEW_NAV_PASS},
        {"mailto", "mailto:a@b", HTMLNAV_BY_USER, PREVIEW_NAV_PASS},
        {"its own file by path", "C:\\Users\\u\\AppData\\Local\\Temp\\Tanzo\\ab12_preview_dlg.htm",
         HTMLNAV_BY_USER, PREVIEW_NAV_PASS},
        {"its own file as file address", "file:///C:/Users/u/AppData/Local/Temp/Tanzo/AB12_preview_dlg.htm",
         HTMLNAV_BY_USER, PREVIEW_NAV_PASS},
        {"another file clicked", "file:///C:/Users/u/other.htm", HTMLNAV_BY_USER, PREVIEW_NAV_OPEN_OUTSIDE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, DecidePreviewNavigation(content, c.url, c.flags)) << c.name;
}

TEST(PreviewContentTest, StatusTexts)
{
    struct Case
    {
        const char* text;
        BOOL bShown;
    } cases[] = {
        {"", TRUE},
        {nullptr, TRUE},
        {"https://x", TRUE},
        {"http://x/y", TRUE},
        {"HTTPS://X", TRUE},
        {"ftp://f", TRUE},
        {"res://y", TRUE},
        {"mailto:a@b", TRUE},
        {"javascript:z", FALSE},
        {"ページが表示されました", FALSE},
        {"file:///C:/x.htm", FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bShown, IsPreviewStatusText(c.text)) << (c.text != nullptr ? c.text : "(null)");
}
