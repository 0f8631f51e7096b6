#include "text/PathUtil.h"

#include "afx/Collections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> Split(const char* path)
{
    CStringList list;
    SplitPath(path, list);
    std::vector<std::string> parts;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        parts.push_back((LPCTSTR)list.GetNext(pos));
    return parts;
}
} // namespace

TEST(PathUtil, JoinPathPutsExactlyOneBackslash)
{
    CString out;
    JoinPath(out, "C:\\Data", "file.txt");
    EXPECT_STREQ("C:\\Data\\file.txt", out);
    JoinPath(out, "C:\\Data\\", "file.txt");
    EXPECT_STREQ("C:\\Data\\file.txt", out);
    // The trail byte of "表" is 0x5C but no separator.
    JoinPath(out, "C:\\表", "x");
    EXPECT_STREQ("C:\\表\\x", out);
    JoinPath(out, "C:\\Data", "");
    EXPECT_STREQ("C:\\Data", out);
    out = "kept";
    JoinPath(out, "", "x");
    EXPECT_STREQ("kept", out);
    JoinPath(out, nullptr, "x");
    EXPECT_STREQ("kept", out);
    JoinPath(out, out, "y"); // out may be the folder itself
    EXPECT_STREQ("kept\\y", out);
}

TEST(PathUtil, DirectoryOfPath)
{
    struct Case
    {
        const char* path;
        const char* dir;
    } cases[] = {
        {"C:\\a\\b.txt", "C:\\a"},
        {"C:\\b.txt", "C:"},
        {"b.txt", ""},
        {"C:b.txt", "C:"},
        {"\\\\srv\\share\\f", "\\\\srv\\share"},
        {"C:\\ソ\\x", "C:\\ソ"},
        {"C:\\a\\", "C:\\a"},
        {"C:/a/b.txt", "C:/a"},
        {"C:\\a/b\\c.txt", "C:\\a/b"},
        {"C:/b.txt", "C:"},
    };
    for (const Case& c : cases)
    {
        CString out = "stale";
        GetDirectoryOfPath(c.path, out);
        EXPECT_STREQ(c.dir, out) << c.path;
    }
}

TEST(PathUtil, SplitPath)
{
    using V = std::vector<std::string>;
    EXPECT_EQ((V{"C:", "a", "b"}), Split("C:\\a\\b"));
    EXPECT_EQ((V{"C:", "a", "b"}), Split("C:\\a\\b\\"));
    EXPECT_EQ((V{"C:", "a", "", "b"}), Split("C:\\a\\\\b"));
    EXPECT_EQ((V{"\\\\srv\\share", "x", "y"}), Split("\\\\srv\\share\\x\\y"));
    EXPECT_EQ((V{"\\\\srv\\share"}), Split("\\\\srv\\share"));
    EXPECT_EQ((V{"\\\\srv\\share"}), Split("\\\\srv\\share\\"));
    EXPECT_EQ((V{"\\\\srv"}), Split("\\\\srv"));
    EXPECT_EQ((V{"C:", "表示", "ソフト"}), Split("C:\\表示\\ソフト"));
    EXPECT_EQ(V{}, Split(""));
    EXPECT_TRUE(IsUncPath("\\\\srv"));
    EXPECT_FALSE(IsUncPath("\\srv"));
    EXPECT_FALSE(IsUncPath(nullptr));
}
