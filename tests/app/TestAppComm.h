#ifndef TANZO_TESTS_APP_TESTAPPCOMM_H
#define TANZO_TESTS_APP_TESTAPPCOMM_H

// An application object for the tests, with the names the test gives it.
// It records the state of the start-up each time a name is asked for.

#include "app/AppComm.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

class CTestAppComm : public CAppComm
{
public:
    explicit CTestAppComm(LPCTSTR lpszAppName = "TestAppComm") : CAppComm(lpszAppName) {}

    void InitProfileName() override
    {
        m_calls.push_back(std::string("InitProfileName key=") + Safe(m_pszRegistryKey) +
                          " profile=" + Safe(m_pszProfileName));
        free((void*)m_pszProfileName);
        m_pszProfileName = strdup(m_strProfileName);
    }
    LPCTSTR GetWindowClassName() override
    {
        m_calls.push_back(std::string("GetWindowClassName profile=") + Safe(m_pszProfileName));
        return m_strClassName;
    }
    LPCTSTR GetMutexName() override
    {
        std::string call = "GetMutexName";
#ifdef _WIN32
        if (!m_strClassName.IsEmpty())
            call += ::GlobalFindAtomA(m_strClassName) != 0 ? " atom" : " no-atom";
#endif
        m_calls.push_back(call);
        return m_strMutexName;
    }

    CString m_strProfileName = "Tanzo3";
    CString m_strClassName;
    CString m_strMutexName;
    std::vector<std::string> m_calls;

private:
    static const char* Safe(const char* psz)
    {
        return psz != nullptr ? psz : "(null)";
    }
};

#endif // TANZO_TESTS_APP_TESTAPPCOMM_H
