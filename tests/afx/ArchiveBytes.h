#ifndef TANZO_TESTS_AFX_ARCHIVEBYTES_H
#define TANZO_TESTS_AFX_ARCHIVEBYTES_H

// Archives in memory for the tests: bytes written out in hex, what a store
// writes, loading from given bytes, and the exception an action throws.

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/File.h"

typedef std::vector<BYTE> Bytes;

// "FF 01 'CItem' 00": hex bytes, and ASCII text between quotes; blanks and
// line breaks between the bytes are ignored.
inline Bytes HexBytes(const char* psz)
{
    Bytes bytes;
    while (*psz != '\0')
    {
        if (*psz == '\'')
        {
            for (++psz; *psz != '\0' && *psz != '\''; ++psz)
                bytes.push_back((BYTE)*psz);
            if (*psz == '\'')
                ++psz;
        }
        else if (*psz == ' ' || *psz == '\t' || *psz == '\r' || *psz == '\n')
            ++psz;
        else
        {
            char szHex[3] = {psz[0], psz[1] != '\0' ? psz[1] : '\0', '\0'};
            bytes.push_back((BYTE)std::strtoul(szHex, nullptr, 16));
            psz += psz[1] != '\0' ? 2 : 1;
        }
    }
    return bytes;
}

// "02 61 62": for comparisons whose failure shows the bytes.
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

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline Bytes FileBytes(CFile& file)
{
    Bytes bytes(file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        bytes.resize(file.Read(bytes.data(), (UINT)bytes.size()));
    return bytes;
}

// What fn stores into an archive.
template <class F> Bytes Stored(F fn)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        fn(ar);
        ar.Close();
    }
    return FileBytes(file);
}

// fn loading from bytes; what it throws passes on.
template <class F> void Load(const Bytes& bytes, F fn)
{
    Bytes copy = bytes;
    copy.push_back(0); // never a null buffer; not part of the file
    CMemFile file(copy.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    fn(ar);
}

// The m_cause of the exception of type E that fn throws; -1 if none.
template <class E, class F> int CaughtCause(F fn)
{
    try
    {
        fn();
    }
    catch (E* e)
    {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

// Whether fn throws an exception of type E.
template <class E, class F> bool Throws(F fn)
{
    try
    {
        fn();
    }
    catch (E* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

// The cause of the archive exception that fn throws loading the bytes; -1
// when it loads them without one.
template <class F> int LoadCause(const Bytes& bytes, F fn)
{
    return CaughtCause<CArchiveException>([&] { Load(bytes, fn); });
}

#endif // TANZO_TESTS_AFX_ARCHIVEBYTES_H
