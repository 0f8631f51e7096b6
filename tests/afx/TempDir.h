#ifndef TANZO_TESTS_AFX_TEMPDIR_H
#define TANZO_TESTS_AFX_TEMPDIR_H

// A folder of its own for a test's files, removed with what it holds:
// under the system's temp folder (GetTempPath on Windows, /tmp natively).

#include "afx/String.h"
#include "afx/wintypes.h"

#ifndef _WIN32
#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>
#endif

class TempDir
{
public:
    TempDir()
    {
#ifdef _WIN32
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        static int s_nSerial = 0;
        for (;;)
        {
            m_strDir.Format("%stanzo-afx-%lu-%d", szTemp, ::GetCurrentProcessId(), ++s_nSerial);
            if (::CreateDirectoryA(m_strDir, nullptr))
                break;
        }
#else
        char szTemplate[] = "/tmp/tanzo-afx-XXXXXX";
        if (::mkdtemp(szTemplate) != nullptr)
            m_strDir = szTemplate;
#endif
    }

    ~TempDir()
    {
#ifdef _WIN32
        WIN32_FIND_DATAA data;
        HANDLE hFind = ::FindFirstFileA(m_strDir + "\\*", &data);
        if (hFind != INVALID_HANDLE_VALUE)
        {
            do
            {
                ::SetFileAttributesA(Path(data.cFileName), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(Path(data.cFileName));
            } while (::FindNextFileA(hFind, &data));
            ::FindClose(hFind);
        }
        ::RemoveDirectoryA(m_strDir);
#else
        if (DIR* pDir = ::opendir(m_strDir))
        {
            while (struct dirent* pEntry = ::readdir(pDir))
                ::unlink(Path(pEntry->d_name));
            ::closedir(pDir);
        }
        ::rmdir(m_strDir);
#endif
    }

    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const CString& Dir() const
    {
        return m_strDir;
    }

    CString Path(LPCTSTR lpszName) const
    {
#ifdef _WIN32
        return m_strDir + "\\" + lpszName;
#else
        return m_strDir + "/" + lpszName;
#endif
    }

private:
    CString m_strDir;
};

#endif // TANZO_TESTS_AFX_TEMPDIR_H
