#ifndef TANZO_TESTS_AUCTION_ARCHIVETESTUTIL_H
#define TANZO_TESTS_AUCTION_ARCHIVETESTUTIL_H

// Archive round trips in memory for the record tests.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/StringTable.h"

typedef std::vector<unsigned char> Bytes;

// "02 00 00 00 0a": blanks and line breaks between the bytes are ignored.
inline Bytes HexBytes(const char* text)
{
    Bytes out;
    std::string digits;
    for (const char* p = text; *p != '\0'; ++p)
        if (*p != ' ' && *p != '\n' && *p != '\r' && *p != '\t')
            digits += *p;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back((unsigned char)std::strtoul(digits.substr(i, 2).c_str(), nullptr, 16));
    return out;
}

inline std::string ToHex(const Bytes& bytes)
{
    std::string out;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        std::snprintf(buf, sizeof buf, i ? " %02x" : "%02x", bytes[i]);
        out += buf;
    }
    return out;
}

// The bytes that fn writes into a storing archive.
template <class Fn> Bytes StoreBytes(Fn fn)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        fn(ar);
        ar.Close();
    }
    Bytes out(file.GetLength());
    file.SeekToBegin();
    if (!out.empty())
        file.Read(out.data(), (UINT)out.size());
    return out;
}

// Runs fn over a loading archive of the bytes. Returns -1 when nothing was
// thrown, else the cause of the CArchiveException (other exceptions: -2).
template <class Fn> int LoadBytes(const Bytes& bytes, Fn fn)
{
    Bytes copy = bytes;
    copy.push_back(0); // never a null buffer; not part of the file
    CMemFile file(copy.data(), (UINT)bytes.size());
    int cause = -1;
    try
    {
        CArchive ar(&file, CArchive::load);
        fn(ar);
    }
    catch (CArchiveException* e)
    {
        cause = e->m_cause;
        e->Delete();
    }
    catch (CException* e)
    {
        cause = -2;
        e->Delete();
    }
    return cause;
}

// The texts a test relies on (literals: the table keeps the pointers). The
// native build registers them; Windows builds read the program's resources,
// where they must already be, and the test is skipped otherwise.
inline bool EnsureStrings(const std::vector<std::pair<UINT, const char*>>& strings)
{
#ifdef _WIN32
    for (const auto& entry : strings)
    {
        char buf[512];
        if (AfxLoadString(entry.first, buf, sizeof buf) == 0 || std::string(buf) != entry.second)
            return false;
    }
    return true;
#else
    for (const auto& entry : strings)
    {
        AFX_STRING_ENTRY e = {entry.first, entry.second};
        AfxRegisterStringTable(&e, 1);
    }
    return true;
#endif
}

#endif // TANZO_TESTS_AUCTION_ARCHIVETESTUTIL_H
