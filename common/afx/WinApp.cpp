// CWinApp: the application names and the profile (both builds). The
// Windows side of the application object is in win32/WinAppWin.cpp.
#include "afx/WinApp.h"

#include "afx/Profile.h"
#include "afx/StringTable.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, AFX_WINAPP_BASE)

namespace
{
CWinApp* g_pApp = nullptr;

// The string id of the application title in a program's resources.
const UINT kIdsAppTitle = 0xE000;

LPCTSTR Duplicate(LPCTSTR psz)
{
    return psz != nullptr ? strdup(psz) : nullptr;
}

CString ExeBaseName()
{
#ifdef _WIN32
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    CString strPath(szPath);
#else
    CString strPath(program_invocation_short_name);
#endif
    int nSlash = strPath.ReverseFind('\\');
    int nSlash2 = strPath.ReverseFind('/');
    if (nSlash2 > nSlash)
        nSlash = nSlash2;
    CString strName = strPath.Mid(nSlash + 1);
    int nDot = strName.ReverseFind('.');
    if (nDot > 0)
        strName = strName.Left(nDot);
    return strName;
}

#ifdef _WIN32
// Binary values of an .INI profile: two letters 'A'..'P' per byte, low
// nibble first.
CString EncodeBinary(const BYTE* pData, UINT nBytes)
{
    CString str;
    for (UINT i = 0; i < nBytes; ++i)
    {
        str += (char)('A' + (pData[i] & 0x0F));
        str += (char)('A' + ((pData[i] >> 4) & 0x0F));
    }
    return str;
}

BOOL DecodeBinary(const CString& str, std::vector<BYTE>& data)
{
    int nLen = str.GetLength();
    if (nLen % 2 != 0)
        return FALSE;
    data.clear();
    for (int i = 0; i < nLen; i += 2)
    {
        int lo = str[i] - 'A';
        int hi = str[i + 1] - 'A';
        if (lo < 0 || lo > 15 || hi < 0 || hi > 15)
            return FALSE;
        data.push_back((BYTE)(lo | (hi << 4)));
    }
    return TRUE;
}
#endif
} // namespace

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return g_pApp != nullptr ? g_pApp->m_pszAppName : "";
}

void AfxInitAppNames(CWinApp* pApp)
{
    CString strExe = ExeBaseName();
    CWinApp::ReplaceString(pApp->m_pszExeName, strExe);
    if (pApp->m_pszAppName == nullptr)
    {
        char szTitle[256] = {};
        if (AfxLoadString(kIdsAppTitle, szTitle, sizeof(szTitle)) > 0)
            CWinApp::ReplaceString(pApp->m_pszAppName, szTitle);
        else
            CWinApp::ReplaceString(pApp->m_pszAppName, strExe);
    }
    if (pApp->m_pszProfileName == nullptr)
        CWinApp::ReplaceString(pApp->m_pszProfileName, strExe + ".INI");
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    m_pszAppName = Duplicate(lpszAppName);
    // One application object at a time; a later one (a test's) takes over.
    g_pApp = this;
    AfxInitAppNames(this);
}

CWinApp::~CWinApp()
{
#ifdef _WIN32
    // The application owns its document templates.
    while (!m_templateList.IsEmpty())
        delete static_cast<CObject*>(m_templateList.RemoveHead());
#endif
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszRegistryKey);
    free((void*)m_pszProfileName);
    free((void*)m_pszHelpFilePath);
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::ReplaceString(LPCTSTR& rpsz, LPCTSTR lpszNew)
{
    LPCTSTR pszOld = rpsz;
    rpsz = Duplicate(lpszNew);
    free((void*)pszOld);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    ReplaceString(m_pszRegistryKey, lpszRegistryKey);
    ReplaceString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

CString CWinApp::GetProfileSectionKey(LPCTSTR lpszSection) const
{
    CString strKey;
    if (m_pszRegistryKey != nullptr)
        strKey = CString("Software\\") + m_pszRegistryKey + "\\";
    strKey += m_pszProfileName != nullptr ? m_pszProfileName : "";
    strKey += "\\";
    strKey += lpszSection != nullptr ? lpszSection : "";
    return strKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
#ifdef _WIN32
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
#endif
    DWORD dwType = REG_NONE;
    std::vector<BYTE> data;
    if (AfxProfileRead(GetProfileSectionKey(lpszSection), lpszEntry, &dwType, &data) && dwType == REG_DWORD &&
        data.size() == sizeof(DWORD))
    {
        DWORD dwValue;
        std::memcpy(&dwValue, data.data(), sizeof(dwValue));
        return (UINT)dwValue;
    }
    return (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
#ifdef _WIN32
    if (m_pszRegistryKey == nullptr)
    {
        CString strValue;
        strValue.Format("%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, strValue, m_pszProfileName);
    }
#endif
    DWORD dwValue = (DWORD)nValue;
    return AfxProfileWrite(GetProfileSectionKey(lpszSection), lpszEntry, REG_DWORD, &dwValue,
                           sizeof(dwValue));
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == nullptr)
        lpszDefault = "";
#ifdef _WIN32
    if (m_pszRegistryKey == nullptr)
    {
        // The size is not known beforehand: grow until the text fits.
        std::vector<char> buf(256);
        for (;;)
        {
            DWORD n = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, buf.data(),
                                                 (DWORD)buf.size(), m_pszProfileName);
            if (n + 1 < buf.size())
                return CString(buf.data(), (int)n);
            buf.resize(buf.size() * 2);
        }
    }
#endif
    DWORD dwType = REG_NONE;
    std::vector<BYTE> data;
    if (AfxProfileRead(GetProfileSectionKey(lpszSection), lpszEntry, &dwType, &data) &&
        (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
    {
        // Up to the first NUL; a value stored without one is taken whole.
        size_t n = 0;
        while (n < data.size() && data[n] != 0)
            ++n;
        return CString((LPCTSTR)data.data(), (int)n);
    }
    return CString(lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
#ifdef _WIN32
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
#endif
    CString strKey = GetProfileSectionKey(lpszSection);
    if (lpszEntry == nullptr)
    {
        AfxProfileDelete(strKey, nullptr);
        return TRUE;
    }
    if (lpszValue == nullptr)
    {
        AfxProfileDelete(strKey, lpszEntry);
        return TRUE;
    }
    return AfxProfileWrite(strKey, lpszEntry, REG_SZ, lpszValue, (UINT)std::strlen(lpszValue) + 1);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    std::vector<BYTE> data;
#ifdef _WIN32
    if (m_pszRegistryKey == nullptr)
    {
        CString strValue = GetProfileString(lpszSection, lpszEntry, nullptr);
        if (strValue.IsEmpty() || !DecodeBinary(strValue, data))
            return FALSE;
    }
    else
#endif
    {
        DWORD dwType = REG_NONE;
        if (!AfxProfileRead(GetProfileSectionKey(lpszSection), lpszEntry, &dwType, &data) ||
            dwType != REG_BINARY)
            return FALSE;
    }
    *ppData = new BYTE[data.size()];
    if (!data.empty())
        std::memcpy(*ppData, data.data(), data.size());
    *pBytes = (UINT)data.size();
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
#ifdef _WIN32
    if (m_pszRegistryKey == nullptr)
        return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes));
#endif
    return AfxProfileWrite(GetProfileSectionKey(lpszSection), lpszEntry, REG_BINARY, pData, nBytes);
}
