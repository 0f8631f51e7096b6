// Exceptions thrown as pointers, their messages, and the exception macros.
#include "afx/Exception.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "afx/MessageBox.h"

TEST(Exception, ThrownAsPointersWithTheirDetails)
{
    try
    {
        AfxThrowFileException(CFileException::sharingViolation, 32, "c:\\data\\a.dat");
    }
    catch (CException* e)
    {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        CFileException* pFile = static_cast<CFileException*>(e);
        EXPECT_EQ(CFileException::sharingViolation, pFile->m_cause);
        EXPECT_EQ(32, pFile->m_lOsError);
        EXPECT_STREQ("c:\\data\\a.dat", pFile->m_strFileName);
        e->Delete();
    }

    try
    {
        AfxThrowArchiveException(CArchiveException::badSchema, "b.dat");
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(CArchiveException::badSchema, e->m_cause);
        EXPECT_STREQ("b.dat", e->m_strFileName);
        e->Delete();
    }
}

TEST(Exception, MemoryExceptionIsPreallocated)
{
    // Throwing it must not need memory: it is the same object every time,
    // and Delete() leaves it alone.
    CMemoryException* pFirst = nullptr;
    for (int i = 0; i < 2; ++i)
    {
        try
        {
            AfxThrowMemoryException();
        }
        catch (CMemoryException* e)
        {
            if (pFirst == nullptr)
                pFirst = e;
            EXPECT_EQ(pFirst, e);
            e->Delete();
        }
    }
}

TEST(Exception, MessagesNameTheFileAndAreCutAtCharacters)
{
    CFileException e(CFileException::fileNotFound, 2, "表ソ.dat");
    char szFull[256];
    ASSERT_TRUE(e.GetErrorMessage(szFull, sizeof(szFull)));
    EXPECT_TRUE(std::strstr(szFull, "表ソ.dat") != nullptr) << szFull;
    size_t nFull = std::strlen(szFull);

    // Every buffer size: a prefix of the message, never half a character.
    for (UINT nMax = 1; nMax <= nFull + 1; ++nMax)
    {
        char sz[256];
        ASSERT_TRUE(e.GetErrorMessage(sz, nMax));
        size_t nLen = std::strlen(sz);
        EXPECT_LE(nLen, nMax - 1);
        EXPECT_GE(nLen + 1, nMax - 1) << "cut more than one character short";
        EXPECT_EQ(0, std::strncmp(sz, szFull, nLen));
        size_t i = 0;
        while (i < nLen)
            i += AfxIsLeadByte((BYTE)sz[i]) ? 2 : 1;
        EXPECT_EQ(nLen, i) << "half a character at " << nMax;
    }

    char sz[64] = "untouched";
    EXPECT_FALSE(e.GetErrorMessage(sz, 0));
    EXPECT_STREQ("untouched", sz);

    // A user exception has no message of its own.
    CUserException user;
    EXPECT_FALSE(user.GetErrorMessage(sz, sizeof(sz)));
    EXPECT_STREQ("", sz);

    CArchiveException archive(CArchiveException::endOfFile);
    ASSERT_TRUE(archive.GetErrorMessage(sz, sizeof(sz)));
    EXPECT_NE(0u, std::strlen(sz));
}

TEST(Exception, CatchMacrosDeleteUnlessPassedOn)
{
    int nCause = -1;
    TRY
    {
        AfxThrowArchiveException(CArchiveException::badIndex);
    }
    CATCH(CFileException, e)
    {
        ADD_FAILURE() << "wrong handler";
    }
    AND_CATCH(CArchiveException, e)
    {
        nCause = e->m_cause;
    }
    END_CATCH
    EXPECT_EQ(CArchiveException::badIndex, nCause);

    // Passed on, the exception is still alive for the outer handler.
    try
    {
        TRY
        {
            AfxThrowFileException(CFileException::diskFull);
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::diskFull, e->m_cause);
        e->Delete();
    }
}

TEST(Exception, ReportErrorShowsTheMessage)
{
    struct Shown
    {
        std::string strText;
        UINT nType;
    } shown = {"", 0};
    AFX_MESSAGEBOX_HOOK pfnOld = AfxSetMessageBoxHook(
        [](LPCTSTR lpszText, UINT nType, void* pParam)
        {
            static_cast<Shown*>(pParam)->strText = lpszText;
            static_cast<Shown*>(pParam)->nType = nType;
            return IDCANCEL;
        },
        &shown);

    CFileException file(CFileException::accessDenied, 5, "a.txt");
    EXPECT_EQ(IDCANCEL, file.ReportError(MB_OKCANCEL | MB_ICONSTOP));
    char szMessage[256];
    file.GetErrorMessage(szMessage, sizeof(szMessage));
    EXPECT_EQ(szMessage, shown.strText);
    EXPECT_EQ(MB_OKCANCEL | MB_ICONSTOP, shown.nType);

    // No message of its own: still something to show.
    CUserException user;
    shown.strText.clear();
    user.ReportError();
    EXPECT_FALSE(shown.strText.empty());

    AfxSetMessageBoxHook(pfnOld);
}
