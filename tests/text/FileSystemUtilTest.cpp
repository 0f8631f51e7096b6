// The file-system helpers, on a real Windows file system.
#ifdef _WIN32
#include "text/PathUtil.h"

#include <gtest/gtest.h>

#include <shlobj.h>

namespace
{
// A fresh folder under the temp folder; whatever the test leaves is removed.
class Scratch
{
public:
    Scratch()
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        m_root.Format("%stanzo-text-%lu-%d", temp, ::GetCurrentProcessId(), ++serial);
        ::CreateDirectoryA(m_root, nullptr);
    }
    ~Scratch() { RemoveTree(m_root); }
    CString Path(LPCTSTR name) const
    {
        CString out;
        JoinPath(out, m_root, name);
        return out;
    }
    const CString& Root() const { return m_root; }

private:
    CString m_root;
};

void WriteFile(const CString& path)
{
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h) << (LPCTSTR)path;
    DWORD written = 0;
    ::WriteFile(h, "x", 1, &written, nullptr);
    ::CloseHandle(h);
}

bool Exists(const CString& path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

TEST(FileSystemUtil, CreateFolderTreeAndEnsureFolderOfFile)
{
    Scratch s;
    CString deep = s.Path("表示\\ソフト\\c");
    EXPECT_TRUE(CreateFolderTree(deep));
    EXPECT_TRUE(Exists(deep));
    EXPECT_TRUE(CreateFolderTree(deep)); // already there

    CString file = s.Path("x\\y\\data.bin");
    EXPECT_TRUE(EnsureFolderOfFile(file));
    EXPECT_TRUE(Exists(s.Path("x\\y")));
    EXPECT_FALSE(Exists(file));
    WriteFile(file);
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(EnsureFolderOfFile(file));

    // A file where a folder should be stops the creation.
    EXPECT_FALSE(CreateFolderTree(file + "\\below"));
}

TEST(FileSystemUtil, FileExistsAndRemoveFileIfExists)
{
    Scratch s;
    CString file = s.Path("a.txt");
    EXPECT_FALSE(FileExists(file));
    EXPECT_TRUE(RemoveFileIfExists(file)); // nothing to remove
    WriteFile(file);
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(s.Root()));
    EXPECT_TRUE(RemoveFileIfExists(file));
    EXPECT_FALSE(Exists(file));
    // A bare share path counts as existing even where it cannot be queried.
    EXPECT_TRUE(FileExists("\\\\no-such-server-here\\share"));
    EXPECT_FALSE(FileExists("\\\\no-such-server-here\\share\\file.txt"));
}

TEST(FileSystemUtil, FileExistsOfPatternWantsExactlyOneMatch)
{
    Scratch s;
    WriteFile(s.Path("a.txt"));
    WriteFile(s.Path("b.txt"));
    WriteFile(s.Path("c.log"));
    ASSERT_TRUE(CreateFolderTree(s.Path("sub")));
    const struct
    {
        const char* pattern;
        BOOL exists;
    } cases[] = {
        {"*.log", TRUE},  {"?.log", TRUE}, {"*.txt", FALSE},
        {"*.zip", FALSE}, {"s*", TRUE}, // a folder is an entry too
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.exists, FileExists(s.Path(c.pattern))) << c.pattern;
    // Inside an empty folder only "." and ".." match, and they are no entries.
    EXPECT_FALSE(FileExists(s.Path("sub\\*")));
}

TEST(FileSystemUtil, RemoveTree)
{
    Scratch s;
    EXPECT_TRUE(RemoveTree(s.Path("missing")));

    CString tree = s.Path("tree");
    ASSERT_TRUE(CreateFolderTree(tree + "\\a\\b"));
    WriteFile(tree + "\\top.txt");
    WriteFile(tree + "\\a\\b\\deep.txt");
    EXPECT_TRUE(RemoveTree(tree));
    EXPECT_FALSE(Exists(tree));

    // A file held open without sharing stops the removal; the rest stays.
    ASSERT_TRUE(CreateFolderTree(tree + "\\a"));
    CString locked = tree + "\\a\\locked.txt";
    WriteFile(locked);
    HANDLE h = ::CreateFileA(locked, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    EXPECT_FALSE(RemoveTree(tree));
    EXPECT_TRUE(Exists(locked));
    ::CloseHandle(h);
    EXPECT_TRUE(RemoveTree(tree));
}

TEST(FileSystemUtil, RemoveTreeRemovesALinkNotItsTarget)
{
    Scratch s;
    CString target = s.Path("target");
    ASSERT_TRUE(CreateFolderTree(target));
    WriteFile(target + "\\keep.txt");
    CString tree = s.Path("tree");
    ASSERT_TRUE(CreateFolderTree(tree));
    CString link = tree + "\\link";
    // Wine 8 answers TRUE and makes no link: only a link that is there counts.
    ::CreateSymbolicLinkA(link, target, SYMBOLIC_LINK_FLAG_DIRECTORY);
    DWORD dwAttributes = ::GetFileAttributesA(link);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        GTEST_SKIP() << "no directory links on this system (CreateSymbolicLink made none)";
    EXPECT_TRUE(RemoveTree(tree));
    EXPECT_FALSE(Exists(tree));
    EXPECT_TRUE(Exists(target + "\\keep.txt"));
}

TEST(FileSystemUtil, SpecialAndTempFolders)
{
    CString appData;
    ASSERT_TRUE(GetSpecialFolder(CSIDL_APPDATA, appData));
    CString ours;
    ASSERT_TRUE(GetAppDataFolder(ours, "Tanzo"));
    EXPECT_STREQ(appData + "\\Velmar Soft\\Tanzo", ours);

    CString temp;
    ASSERT_TRUE(GetTempFolder(temp, FALSE));
    EXPECT_EQ(temp.GetLength() - 1, temp.ReverseFind('\\')); // with its trailing backslash
}

TEST(FileSystemUtil, ShortAndLongPaths)
{
    Scratch s;
    CString longName = s.Path("a rather long folder name");
    ASSERT_TRUE(CreateFolderTree(longName));
    CString path = longName;
    ASSERT_TRUE(ToShortPath(path));
    ASSERT_TRUE(ToLongPath(path));
    EXPECT_EQ(0, path.CompareNoCase(longName));
    CString lower = longName;
    lower.MakeLower();
    EXPECT_TRUE(IsSamePath(longName, lower));
    EXPECT_FALSE(IsSamePath(longName, s.Root()));

    CString missing = s.Path("missing");
    EXPECT_FALSE(ToShortPath(missing));
    EXPECT_TRUE(missing.IsEmpty());
}
#endif
