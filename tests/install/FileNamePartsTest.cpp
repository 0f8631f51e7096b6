// Parts of file names: the tail after a character and the file title
// without its extension, over code page 932 names.
#include "install/FileNameParts.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(FileNamePartsTest, TitleWithoutExtension)
{
    const struct
    {
        const char* path;
        BOOL bResult;
        const char* title;
    } cases[] = {
        {"C:\\Program Files\\Velmar Soft\\Tanzo\\tanzo.exe", TRUE, "tanzo"},
        {"tanzo.exe", TRUE, "tanzo"},
        {"C:\\Temp\\archive.tar.gz", TRUE, "archive"},
        {"C:\\Tanzo.d\\README", TRUE, "README"},
        {"C:\\Tanzo\\.profile", TRUE, ""},
        // "ソ" and "表" end in the byte of '\'.
        {"C:\\ソ\\表.exe", TRUE, "表"},
        {"", FALSE, ""},
        {nullptr, FALSE, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.title);
        CString strTitle = "before";
        EXPECT_EQ(c.bResult, GetFileTitleNoExt(c.path, strTitle));
        EXPECT_EQ(std::string(c.title), std::string(strTitle));
    }
}

TEST(FileNamePartsTest, TailAfterTheLastCharacter)
{
    const struct
    {
        const char* text;
        char ch;
        BOOL bResult;
        const char* tail;
    } cases[] = {
        {"C:\\Tanzo\\tanzo.exe", '\\', TRUE, "tanzo.exe"},
        {"a.b.c", '.', TRUE, "c"},
        {"tanzo.exe", '\\', FALSE, ""},
        {"C:\\Tanzo\\", '\\', FALSE, ""},
        {"C:\\ソ", '\\', TRUE, "ソ"},
        {"ソ", '\\', FALSE, ""},
        {"", '\\', FALSE, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CString strTail = "before";
        EXPECT_EQ(c.bResult, GetTailAfterLast(c.text, c.ch, strTail));
        EXPECT_EQ(std::string(c.tail), std::string(strTail));
    }
    CString strName;
    EXPECT_TRUE(GetFileNamePart("C:\\ソフト\\たんぞ.lnk", strName));
    EXPECT_EQ(std::string("たんぞ.lnk"), std::string(strName));
}
} // namespace
