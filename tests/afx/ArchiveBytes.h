#ifndef TANZO_TESTS_AFX_ARCHIVEBYTES_H
#define TANZO_TESTS_AFX_ARCHIVEBYTES_H

// Archives in memory for the tests: what a store writes, loading from
// given bytes, and the cause of the exception that an action throws.

#include <cstdlib>
#include <string>
#include <vector>

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/File.h"

typedef std::vector<BYTE> Bytes;

// "FF 01 'CItem' 00": hex bytes, and ASCII text between quotes.
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
        else if (*psz == ' ')
            ++psz;
        else
        {
            char szHex[3] = {psz[0], psz[1], '\0'};
            bytes.push_back((BYTE)std::strtoul(szHex, nullptr, 16));
            psz += 2;
        }
    }
    return bytes;
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

// fn loading from bytes.
template <class F> void Load(const Bytes& bytes, F fn)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
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

#endif // TANZO_TESTS_AFX_ARCHIVEBYTES_H
