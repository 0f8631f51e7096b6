#include "controls/ListFind.h"

#include "text/MbcsString.h"

namespace
{
BOOL CellContains(const CString& strCell, const CString& strText, BOOL bCaseSensitive)
{
    if (strCell.IsEmpty())
        return FALSE;
    if (strText.IsEmpty())
        return TRUE;
    return (bCaseSensitive ? MbsFind(strCell, strText) : MbsFindNoCase(strCell, strText)) >= 0;
}
} // namespace

int FindRowWithText(const ListCellTextFn& getText, int nRows, int nColumns, LPCTSTR lpszText, int nStartRow,
                    int nColumn, BOOL bCaseSensitive, BOOL bBackward)
{
    if (nRows <= 0 || nColumns <= 0)
        return -1;
    CString strText(lpszText);
    if (nStartRow < 0)
        nStartRow = 0;
    if (nStartRow > nRows - 1)
        nStartRow = nRows - 1;
    int nStep = bBackward ? -1 : 1;
    for (int nRow = nStartRow; nRow >= 0 && nRow < nRows; nRow += nStep)
    {
        if (nColumn >= 0)
        {
            if (CellContains(getText(nRow, nColumn), strText, bCaseSensitive))
                return nRow;
            continue;
        }
        int nFirst = bBackward ? nColumns - 1 : 0;
        for (int nCol = nFirst; nCol >= 0 && nCol < nColumns; nCol += nStep)
        {
            if (CellContains(getText(nRow, nCol), strText, bCaseSensitive))
                return nRow;
        }
    }
    return -1;
}
