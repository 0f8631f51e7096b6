// Files of the file system (in a temp folder of the test's own) and files
// in memory.
#include "afx/File.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "TempDir.h"
#include "afx/Archive.h"
#include "afx/ArchiveBytes.h"

namespace
{
void WriteFile(const CString& strPath, const char* pszContent)
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    file.Write(pszContent, (UINT)std::strlen(pszContent));
}

std::string ReadFile(const CString& strPath)
{
    CFile file(strPath, CFile::modeRead);
    Bytes bytes = FileBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

BOOL Exists(const CString& strPath)
{
    CFileStatus status;
    return CFile::GetStatus(strPath, status);
}
} // namespace

TEST(File, ReadWriteSeekAndLength)
{
    TempDir dir;
    CFile file;
    ASSERT_TRUE(file.Open(dir.Path("data.bin"), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(10u, file.GetPosition());

    const struct
    {
        LONG lOff;
        UINT nFrom;
        LONG lExpected;
    } seeks[] = {
        // Each seek follows the read of one byte after the one before.
        {3, CFile::begin, 3},
        {1, CFile::current, 5},
        {-1, CFile::end, 9},
        {-10, CFile::current, 0},
    };
    for (const auto& s : seeks)
    {
        SCOPED_TRACE(s.lExpected);
        EXPECT_EQ(s.lExpected, file.Seek(s.lOff, s.nFrom));
        char ch = 0;
        EXPECT_EQ(1u, file.Read(&ch, 1));
        EXPECT_EQ('0' + s.lExpected, ch);
    }

    // Before the start: refused, and the position stays.
    file.Seek(4, CFile::begin);
    EXPECT_EQ(CFileException::badSeek, CaughtCause<CFileException>([&] { file.Seek(-5, CFile::current); }));
    EXPECT_EQ(4u, file.GetPosition());

    char buf[8];
    file.Seek(8, CFile::begin);
    EXPECT_EQ(2u, file.Read(buf, sizeof(buf)));
    EXPECT_EQ(0u, file.Read(buf, sizeof(buf)));

    // SetLength leaves the position at the new length; growth reads as zeros.
    file.SetLength(4);
    EXPECT_EQ(4u, file.GetLength());
    EXPECT_EQ(4u, file.GetPosition());
    file.SetLength(6);
    EXPECT_EQ(6u, file.SeekToEnd());
    file.SeekToBegin();
    EXPECT_EQ(6u, file.Read(buf, sizeof(buf)));
    EXPECT_EQ(0, std::memcmp(buf, "0123\0\0", 6));
    file.Flush();
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
}

TEST(File, OpenModes)
{
    const struct
    {
        const char* pszName;
        UINT nFlags;
        bool bExisting;
        const char* pszAfter; // after writing "X"
    } cases[] = {
        {"write keeps the rest", CFile::modeWrite, true, "Xbc"},
        {"create truncates", CFile::modeCreate | CFile::modeWrite, true, "X"},
        {"no truncate keeps", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite, true, "Xbc"},
        {"no truncate creates", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite, false, "X"},
        {"read and write", CFile::modeReadWrite | CFile::shareDenyWrite | CFile::typeBinary, true, "Xbc"},
    };
    TempDir dir;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CString strPath = dir.Path("modes.txt");
        if (c.bExisting)
            WriteFile(strPath, "abc");
        {
            CFile file;
            ASSERT_TRUE(file.Open(strPath, c.nFlags));
            file.Write("X", 1);
        }
        EXPECT_EQ(c.pszAfter, ReadFile(strPath));
        CFile::Remove(strPath);
    }
}

TEST(File, OpenFailures)
{
    TempDir dir;
    const struct
    {
        const char* pszName;
        CString strPath;
        UINT nFlags;
        int nCause;
    } cases[] = {
        {"missing file", dir.Path("missing.txt"), CFile::modeRead, CFileException::fileNotFound},
        {"missing folder", dir.Path("nowhere/missing.txt"), CFile::modeRead, CFileException::badPath},
        {"create in a missing folder", dir.Path("nowhere/new.txt"), CFile::modeCreate | CFile::modeWrite,
         CFileException::badPath},
        {"a folder", dir.Dir(), CFile::modeRead, CFileException::accessDenied},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CFile file;
        CFileException e;
        EXPECT_FALSE(file.Open(c.strPath, c.nFlags, &e));
        EXPECT_EQ(c.nCause, e.m_cause);
        EXPECT_NE(0, e.m_lOsError);
        EXPECT_STREQ(c.strPath, e.m_strFileName);
        EXPECT_EQ(CFile::hFileNull, file.m_hFile);

        // The constructor throws the same.
        EXPECT_EQ(c.nCause, CaughtCause<CFileException>([&] { CFile thrown(c.strPath, c.nFlags); }));
    }
}

TEST(File, NamesAreShiftJisBytes)
{
    // 表 and ソ end in 0x5C, the byte of a backslash.
    TempDir dir;
    CString strPath = dir.Path("表ソ.dat");
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    EXPECT_STREQ("表ソ.dat", file.GetFileName());
    EXPECT_STREQ(strPath, file.GetFilePath());
    file.Write("abc", 3);
    file.Close();
    EXPECT_STREQ("", file.GetFilePath());

    EXPECT_EQ("abc", ReadFile(strPath));
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(strPath, status));
    EXPECT_STREQ(strPath, status.m_szFullName);
    EXPECT_EQ(3, status.m_size);
}

TEST(File, Status)
{
    TempDir dir;
    CString strPath = dir.Path("status.txt");
    WriteFile(strPath, "12345");
    CTime now = CTime::GetCurrentTime();

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(strPath, status));
    EXPECT_EQ(5, status.m_size);
    EXPECT_EQ(0, status.m_attribute & CFile::directory);
    EXPECT_LT(std::llabs((status.m_mtime - now).GetTotalSeconds()), 120);

    ASSERT_TRUE(CFile::GetStatus(dir.Dir(), status));
    EXPECT_NE(0, status.m_attribute & CFile::directory);
    EXPECT_FALSE(CFile::GetStatus(dir.Path("missing"), status));

    CFile file(strPath, CFile::modeReadWrite);
    file.SeekToEnd();
    file.Write("67", 2);
    ASSERT_TRUE(file.GetStatus(status));
    EXPECT_EQ(7, status.m_size);
    EXPECT_STREQ(strPath, status.m_szFullName);
}

TEST(File, RemoveAndRename)
{
    TempDir dir;
    CString strOld = dir.Path("old.txt");
    CString strNew = dir.Path("new.txt");
    WriteFile(strOld, "old");

    CFile::Rename(strOld, strNew);
    EXPECT_FALSE(Exists(strOld));
    EXPECT_EQ("old", ReadFile(strNew));

    // Never over an existing file, on any platform.
    WriteFile(strOld, "other");
    EXPECT_EQ(CFileException::accessDenied,
              CaughtCause<CFileException>([&] { CFile::Rename(strOld, strNew); }));
    EXPECT_EQ("old", ReadFile(strNew));
    EXPECT_EQ("other", ReadFile(strOld));

    CFile::Remove(strOld);
    EXPECT_FALSE(Exists(strOld));
    EXPECT_EQ(CFileException::fileNotFound, CaughtCause<CFileException>([&] { CFile::Remove(strOld); }));
    EXPECT_EQ(CFileException::fileNotFound,
              CaughtCause<CFileException>([&] { CFile::Rename(strOld, dir.Path("x.txt")); }));
}

TEST(File, DestructorClosesTheFile)
{
    TempDir dir;
    CString strPath = dir.Path("closed.txt");
    {
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        file.Write("x", 1);
    }
    // An open exclusive file could be neither opened nor removed on Windows.
    EXPECT_EQ("x", ReadFile(strPath));
    CFile::Remove(strPath);
}

#ifdef _WIN32
TEST(File, WindowsKeepsShareModes)
{
    TempDir dir;
    CString strPath = dir.Path("shared.txt");
    WriteFile(strPath, "abc");
    CFile first(strPath, CFile::modeRead | CFile::shareDenyWrite);
    CFile second;
    CFileException e;
    EXPECT_FALSE(second.Open(strPath, CFile::modeWrite | CFile::shareDenyNone, &e));
    EXPECT_EQ(CFileException::sharingViolation, e.m_cause);
    EXPECT_TRUE(second.Open(strPath, CFile::modeRead | CFile::shareDenyNone));
}
#endif

TEST(File, ArchivesOnFilesNameTheFileInTheirErrors)
{
    TempDir dir;
    CString strPath = dir.Path("archive.dat");
    {
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString("表示") << (DWORD)7;
        // No Close: the destructor writes what is buffered.
    }
    EXPECT_EQ(std::string("\x04表示\x07\0\0\0", 9), ReadFile(strPath));

    CFile file(strPath, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CString str;
    DWORD dw;
    ar >> str >> dw;
    try
    {
        ar >> dw;
        ADD_FAILURE() << "read past the end";
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
        EXPECT_STREQ(file.GetFilePath(), e->m_strFileName);
        e->Delete();
    }
}

TEST(MemFile, GrowsAsItIsWritten)
{
    CMemFile file(16);
    std::string expected;
    for (int i = 0; i < 1000; ++i)
    {
        char piece[8];
        std::snprintf(piece, sizeof(piece), "%07d", i);
        file.Write(piece, 7);
        expected.append(piece, 7);
    }
    EXPECT_EQ(7000u, file.GetLength());
    Bytes bytes = FileBytes(file);
    EXPECT_EQ(expected, std::string(bytes.begin(), bytes.end()));

    // Past the end: reads give nothing; a write leaves a gap of zeros.
    EXPECT_EQ(7010, file.Seek(10, CFile::end));
    char ch;
    EXPECT_EQ(0u, file.Read(&ch, 1));
    file.Write("z", 1);
    EXPECT_EQ(7011u, file.GetLength());
    bytes = FileBytes(file);
    EXPECT_EQ(Bytes(10, 0), Bytes(bytes.begin() + 7000, bytes.begin() + 7010));
    EXPECT_EQ('z', bytes[7010]);

    EXPECT_EQ(CFileException::badSeek, CaughtCause<CFileException>([&] { file.Seek(-1, CFile::begin); }));

    // Shorter than the position: the position follows.
    file.SetLength(100);
    EXPECT_EQ(100u, file.GetPosition());
    file.SetLength(104);
    bytes = FileBytes(file);
    EXPECT_EQ(Bytes(4, 0), Bytes(bytes.begin() + 100, bytes.end()));

    // Closed, it is empty and can be used again.
    file.Close();
    EXPECT_EQ(0u, file.GetLength());
    file.Write("ab", 2);
    EXPECT_EQ(2u, file.GetLength());
}

TEST(MemFile, FixedBufferOfTheCaller)
{
    BYTE buffer[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    CMemFile file(buffer, sizeof(buffer));
    EXPECT_EQ(6u, file.GetLength());
    file.Seek(2, CFile::begin);
    file.Write("XY", 2);
    EXPECT_EQ(0, std::memcmp(buffer, "abXYef", 6));

    // It cannot grow.
    EXPECT_TRUE(Throws<CMemoryException>([&] { file.Write("123", 3); }));
    EXPECT_EQ(6u, file.GetLength());

    EXPECT_EQ(buffer, file.Detach());
    EXPECT_EQ(0u, file.GetLength());
}

TEST(MemFile, GrowableBufferOfTheCallerIsLeftWhenOutgrown)
{
    BYTE buffer[8] = {};
    CMemFile file;
    file.Attach(buffer, sizeof(buffer), 4);
    EXPECT_EQ(0u, file.GetLength());
    file.Write("1234", 4);
    EXPECT_EQ(0, std::memcmp(buffer, "1234", 4));

    file.Write("56789", 5);
    file.Write("0", 1);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(0, buffer[4]); // the rest went to a buffer of the file's own

    BYTE* p = file.Detach();
    ASSERT_TRUE(p != buffer);
    EXPECT_EQ(0, std::memcmp(p, "1234567890", 10));
    std::free(p);
}
