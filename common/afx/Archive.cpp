#include "afx/Archive.h"

#include <cassert>
#include <climits>
#include <cstring>

#include "afx/CodePage.h"
#include "afx/Exception.h"

namespace
{
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;

const UINT nMinBufSize = 128;
// First piece of a long string or array; later pieces double.
const UINT nFirstPiece = 64 * 1024;

UINT Min(UINT a, UINT b)
{
    return a < b ? a : b;
}
} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(nullptr), m_pFile(pFile), m_nMode(nMode), m_lpBuf(nullptr), m_nBufSize(0), m_nBufCur(0),
      m_nBufMax(0), m_nObjectSchema((UINT)-1), m_nMapCount(1)
{
    assert(pFile != nullptr);
    if (nBufSize < (int)nMinBufSize)
        nBufSize = (int)nMinBufSize;
    m_nBufSize = (UINT)nBufSize;
    if (lpBuf != nullptr)
        m_lpBuf = (BYTE*)lpBuf;
    else
    {
        m_ownBuffer.reset(new BYTE[m_nBufSize]);
        m_lpBuf = m_ownBuffer.get();
    }
    m_strFileName = pFile->GetFilePath();
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && (m_nMode & bNoFlushOnDelete) == 0)
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        catch (...)
        {
        }
    }
    Abort();
}

BOOL CArchive::IsBufferEmpty() const
{
    return m_nBufCur == m_nBufMax;
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

void CArchive::SetObjectSchema(UINT nSchema)
{
    m_nObjectSchema = nSchema;
}

void CArchive::Throw(int nCause) const
{
    AfxThrowArchiveException(nCause, m_strFileName);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    assert(m_pFile != nullptr);
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
    BYTE* pDest = (BYTE*)lpBuf;
    UINT nDone = 0;
    while (nDone < nMax)
    {
        if (m_nBufCur == m_nBufMax)
        {
            UINT nLeft = nMax - nDone;
            if (nLeft >= m_nBufSize)
            {
                UINT nRead = m_pFile->Read(pDest + nDone, nLeft);
                if (nRead == 0)
                    break;
                nDone += nRead;
                continue;
            }
            m_nBufCur = 0;
            m_nBufMax = m_pFile->Read(m_lpBuf, m_nBufSize);
            if (m_nBufMax == 0)
                break;
        }
        UINT nCopy = Min(m_nBufMax - m_nBufCur, nMax - nDone);
        std::memcpy(pDest + nDone, m_lpBuf + m_nBufCur, nCopy);
        m_nBufCur += nCopy;
        nDone += nCopy;
    }
    return nDone;
}

void CArchive::ReadExact(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        Throw(CArchiveException::endOfFile);
}

void CArchive::ReadLarge(std::string& out, ULONGLONG nBytes)
{
    out.clear();
    while (nBytes > 0)
    {
        ULONGLONG nPiece = out.size() < nFirstPiece ? nFirstPiece : out.size();
        if (nPiece > nBytes)
            nPiece = nBytes;
        if (out.size() + nPiece > (ULONGLONG)INT_MAX)
            AfxThrowMemoryException();
        size_t nOld = out.size();
        out.resize(nOld + (size_t)nPiece);
        ReadExact(&out[nOld], (UINT)nPiece);
        nBytes -= nPiece;
    }
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    assert(m_pFile != nullptr);
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
    const BYTE* pSrc = (const BYTE*)lpBuf;
    while (nMax > 0)
    {
        if (m_nBufCur == m_nBufSize)
            FlushWriteBuffer();
        if (m_nBufCur == 0 && nMax >= m_nBufSize)
        {
            m_pFile->Write(pSrc, nMax);
            return;
        }
        UINT nCopy = Min(m_nBufSize - m_nBufCur, nMax);
        std::memcpy(m_lpBuf + m_nBufCur, pSrc, nCopy);
        m_nBufCur += nCopy;
        pSrc += nCopy;
        nMax -= nCopy;
    }
}

void CArchive::FlushWriteBuffer()
{
    UINT nCount = m_nBufCur;
    m_nBufCur = 0;
    if (nCount != 0)
        m_pFile->Write(m_lpBuf, nCount);
}

void CArchive::Flush()
{
    assert(m_pFile != nullptr);
    if (IsLoading())
    {
        UINT nAhead = m_nBufMax - m_nBufCur;
        m_nBufCur = m_nBufMax = 0;
        if (nAhead != 0)
            m_pFile->Seek(-(LONG)nAhead, CFile::current);
    }
    else
        FlushWriteBuffer();
}

void CArchive::Close()
{
    // Closed afterwards even when the last write fails.
    struct Closer
    {
        CArchive* pArchive;
        ~Closer()
        {
            pArchive->m_pFile = nullptr;
            pArchive->m_nBufCur = pArchive->m_nBufMax = 0;
        }
    } closer{this};
    if (m_pFile != nullptr)
        Flush();
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_nBufCur = m_nBufMax = 0;
}

void CArchive::WriteString(LPCTSTR lpsz)
{
    Write(lpsz, (UINT)std::strlen(lpsz));
}

BOOL CArchive::ReadLine(std::string& line, UINT nMax)
{
    line.clear();
    BOOL bAny = FALSE;
    BYTE ch;
    while (line.size() < nMax && Read(&ch, 1) == 1)
    {
        bAny = TRUE;
        if (ch == '\n')
            break;
        if (ch == '\r')
        {
            // A byte read through the buffer is still there: put it back.
            if (Read(&ch, 1) == 1 && ch != '\n')
                --m_nBufCur;
            break;
        }
        line += (char)ch;
    }
    return bAny;
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax)
{
    std::string line;
    BOOL bAny = ReadLine(line, nMax);
    std::memcpy(lpsz, line.data(), line.size());
    lpsz[line.size()] = '\0';
    return bAny ? lpsz : nullptr;
}

BOOL CArchive::ReadString(CString& rString)
{
    std::string line;
    BOOL bAny = ReadLine(line, UINT_MAX);
    rString = CString(line.data(), (int)line.size());
    return bAny;
}

DWORD CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else
    {
        *this << (WORD)0xFFFF;
        *this << dwCount;
    }
}

void CArchive::SetStoreParams(UINT nHashSize, UINT)
{
    m_storeMap.reserve(nHashSize);
}

void CArchive::SetLoadParams(UINT nGrowBy)
{
    m_loadArray.reserve(nGrowBy);
}

void CArchive::CheckCount()
{
    if (m_nMapCount >= nMaxMapCount)
        Throw(CArchiveException::badIndex);
}

void CArchive::InitLoadArray()
{
    if (m_loadArray.empty())
    {
        m_loadArray.push_back(LoadEntry{nullptr, entryNull, 0});
        m_nMapCount = 1;
    }
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring())
    {
        if (pOb != nullptr && m_storeMap.find(pOb) == m_storeMap.end())
        {
            CheckCount();
            m_storeMap[pOb] = m_nMapCount++;
        }
    }
    else
    {
        InitLoadArray();
        if (pOb != nullptr)
        {
            CheckCount();
            m_loadArray.push_back(LoadEntry{pOb, entryObject, 0});
            m_nMapCount++;
        }
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    assert(pClassRef != nullptr);
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
    if (pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException(); // not a serialisable class
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end())
    {
        DWORD nClassIndex = it->second;
        if (nClassIndex < wBigObjectTag)
            *this << (WORD)(wClassTag | nClassIndex);
        else
        {
            *this << wBigObjectTag;
            *this << (dwBigClassTag | nClassIndex);
        }
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    CheckCount();
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
    if (pOb == nullptr)
    {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end())
    {
        DWORD nObIndex = it->second;
        if (nObIndex < wBigObjectTag)
            *this << (WORD)nObIndex;
        else
        {
            *this << wBigObjectTag;
            *this << nObIndex;
        }
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    // Known before its contents, so that they may refer back to it.
    CheckCount();
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
    if (pClassRefRequested != nullptr && pClassRefRequested->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException(); // not a serialisable class
    InitLoadArray();

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if ((obTag & dwBigClassTag) == 0)
    {
        // An object reference, not a class.
        if (pObTag == nullptr)
            Throw(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag)
    {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF)
            Throw(CArchiveException::badClass);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema &&
            (pClassRef->m_wSchema & VERSIONABLE_SCHEMA) == 0)
            Throw(CArchiveException::badSchema);
        CheckCount();
        m_loadArray.push_back(LoadEntry{pClassRef, entryClass, nSchema});
        m_nMapCount++;
    }
    else
    {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() ||
            m_loadArray[nClassIndex].nKind != entryClass)
            Throw(CArchiveException::badIndex);
        const LoadEntry& entry = m_loadArray[nClassIndex];
        pClassRef = const_cast<CRuntimeClass*>(static_cast<const CRuntimeClass*>(entry.p));
        nSchema = entry.nSchema;
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (pClassRef == nullptr)
    {
        if (obTag >= m_loadArray.size())
            Throw(CArchiveException::badIndex);
        const LoadEntry& entry = m_loadArray[obTag];
        if (entry.nKind != entryObject && entry.nKind != entryNull)
            Throw(CArchiveException::badIndex);
        CObject* pOb = const_cast<CObject*>(static_cast<const CObject*>(entry.p));
        if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            Throw(CArchiveException::badClass);
        return pOb;
    }

    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    size_t nIndex = m_loadArray.size();
    try
    {
        CheckCount();
        m_loadArray.push_back(LoadEntry{pOb, entryObject, nSchema});
        m_nMapCount++;
        UINT nSchemaSave = m_nObjectSchema;
        m_nObjectSchema = nSchema;
        pOb->Serialize(*this);
        m_nObjectSchema = nSchemaSave;
    }
    catch (...)
    {
        if (nIndex < m_loadArray.size())
            m_loadArray[nIndex] = LoadEntry{nullptr, entryLost, 0};
        delete pOb;
        throw;
    }
    return pOb;
}

CArchive& CArchive::operator<<(BYTE by)
{
    Write(&by, 1);
    return *this;
}

CArchive& CArchive::operator<<(WORD w)
{
    BYTE b[2] = {(BYTE)w, (BYTE)(w >> 8)};
    Write(b, 2);
    return *this;
}

CArchive& CArchive::operator<<(DWORD dw)
{
    BYTE b[4] = {(BYTE)dw, (BYTE)(dw >> 8), (BYTE)(dw >> 16), (BYTE)(dw >> 24)};
    Write(b, 4);
    return *this;
}

CArchive& CArchive::operator<<(LONG l)
{
    return operator<<((DWORD)l);
}

CArchive& CArchive::operator<<(float f)
{
    static_assert(sizeof(float) == 4, "IEEE single precision");
    DWORD dw;
    std::memcpy(&dw, &f, 4);
    return operator<<(dw);
}

CArchive& CArchive::operator<<(double d)
{
    static_assert(sizeof(double) == 8, "IEEE double precision");
    ULONGLONG n;
    std::memcpy(&n, &d, 8);
    operator<<((DWORD)n);
    return operator<<((DWORD)(n >> 32));
}

CArchive& CArchive::operator>>(BYTE& by)
{
    ReadExact(&by, 1);
    return *this;
}

CArchive& CArchive::operator>>(WORD& w)
{
    BYTE b[2];
    ReadExact(b, 2);
    w = (WORD)(b[0] | (b[1] << 8));
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    BYTE b[4];
    ReadExact(b, 4);
    dw = (DWORD)b[0] | ((DWORD)b[1] << 8) | ((DWORD)b[2] << 16) | ((DWORD)b[3] << 24);
    return *this;
}

CArchive& CArchive::operator>>(LONG& l)
{
    DWORD dw;
    operator>>(dw);
    l = (LONG)dw;
    return *this;
}

CArchive& CArchive::operator>>(float& f)
{
    DWORD dw;
    operator>>(dw);
    std::memcpy(&f, &dw, 4);
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    DWORD dwLow;
    DWORD dwHigh;
    operator>>(dwLow);
    operator>>(dwHigh);
    ULONGLONG n = ((ULONGLONG)dwHigh << 32) | dwLow;
    std::memcpy(&d, &n, 8);
    return *this;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string)
{
    DWORD nLen = (DWORD)string.GetLength();
    if (nLen < 0xFF)
        ar << (BYTE)nLen;
    else if (nLen < 0xFFFE)
    {
        ar << (BYTE)0xFF;
        ar << (WORD)nLen;
    }
    else
    {
        ar << (BYTE)0xFF;
        ar << (WORD)0xFFFF;
        ar << nLen;
    }
    ar.Write((LPCTSTR)string, nLen);
    return ar;
}

namespace
{
// A string's length prefix. 0xFF 0xFFFE in place of a length marks a
// UTF-16 string (*pbWide), whose length follows; there 0xFFFE is a length.
DWORD ReadStringLength(CArchive& ar, BOOL* pbWide)
{
    *pbWide = FALSE;
    for (;;)
    {
        BYTE bLen;
        ar >> bLen;
        if (bLen < 0xFF)
            return bLen;
        WORD wLen;
        ar >> wLen;
        if (wLen == 0xFFFE && !*pbWide)
        {
            *pbWide = TRUE;
            continue;
        }
        if (wLen < 0xFFFF)
            return wLen;
        DWORD dwLen;
        ar >> dwLen;
        return dwLen;
    }
}
} // namespace

CArchive& AFXAPI operator>>(CArchive& ar, CString& string)
{
    BOOL bWide;
    DWORD nLen = ReadStringLength(ar, &bWide);
    std::string bytes;
    ar.ReadLarge(bytes, bWide ? (ULONGLONG)nLen * 2 : nLen);
    if (!bWide)
    {
        string = CString(bytes.data(), (int)bytes.size());
        return ar;
    }
    std::u16string wide(nLen, u'\0');
    for (DWORD i = 0; i < nLen; ++i)
        wide[i] = (char16_t)((BYTE)bytes[2 * i] | ((BYTE)bytes[2 * i + 1] << 8));
    std::string narrow;
    if (nLen != 0 && !AfxWideToMultiByte(CP_SHIFT_JIS, wide.data(), (int)nLen, narrow))
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    string = CString(narrow.data(), (int)narrow.size());
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, CTime time)
{
    return ar << (DWORD)time.GetTime();
}

CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime)
{
    DWORD dw;
    ar >> dw;
    rtime = CTime((LONGLONG)dw);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan timeSpan)
{
    return ar << (LONG)timeSpan.GetTotalSeconds();
}

CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rtimeSpan)
{
    LONG l;
    ar >> l;
    rtimeSpan = CTimeSpan((LONGLONG)l);
    return ar;
}
