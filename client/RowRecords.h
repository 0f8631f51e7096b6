#ifndef TANZO_CLIENT_ROWRECORDS_H
#define TANZO_CLIENT_ROWRECORDS_H

// The records the rows of a virtual list point at, owned by the rows: a
// record is deleted when its row goes, when another record takes its
// row, and with the list. The pointers stay in the list's own array;
// every place that empties a row or shortens the array goes through here.

#include "afx/Array.h"
#include "afx/wintypes.h"

template <class RECORD> class CRowRecords
{
public:
    explicit CRowRecords(CPtrArray& rows) : m_rows(rows) {}
    ~CRowRecords() { DeleteFrom(0); }

    int GetCount() const { return (int)m_rows.GetSize(); }
    RECORD* Get(int nRow) const
    {
        return nRow >= 0 && nRow < GetCount() ? static_cast<RECORD*>(m_rows[nRow]) : nullptr;
    }
    // The row takes the record and deletes the one it held. A row outside
    // the array cannot take it: the record is deleted and the answer is
    // FALSE.
    BOOL Set(int nRow, RECORD* pRecord)
    {
        if (nRow < 0 || nRow >= GetCount())
        {
            delete pRecord;
            return FALSE;
        }
        RECORD* pOld = Get(nRow);
        m_rows[nRow] = pRecord;
        if (pOld != pRecord)
            delete pOld;
        return TRUE;
    }
    // Deletes the row's record and leaves its pointer null.
    void Delete(int nRow)
    {
        RECORD* pRecord = Get(nRow);
        if (pRecord == nullptr)
            return;
        m_rows[nRow] = nullptr;
        delete pRecord;
    }
    // The same for every row from nFirst on, before the array is cut there.
    void DeleteFrom(int nFirst)
    {
        for (int nRow = nFirst < 0 ? 0 : nFirst; nRow < GetCount(); ++nRow)
            Delete(nRow);
    }
    void DeleteAll() { DeleteFrom(0); }

private:
    CPtrArray& m_rows;

    CRowRecords(const CRowRecords&) = delete;
    CRowRecords& operator=(const CRowRecords&) = delete;
};

#endif // TANZO_CLIENT_ROWRECORDS_H
