#ifndef TANZO_CONTROLS_LISTCELLMAP_H
#define TANZO_CONTROLS_LISTCELLMAP_H

// Values kept per cell of a list, keyed by (row, column). The values move
// with their rows: deleting a row shifts the rows after it up, moving one
// shifts the rows between, and a sort carries each row's values to its new
// place, so that a check stays with its item.

#include "afx/wintypes.h"

#include <climits>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

template <class VALUE> class CListCellMap
{
public:
    typedef std::pair<int, int> Key; // row, column

    BOOL IsEmpty() const { return m_cells.empty(); }
    int GetCount() const { return (int)m_cells.size(); }

    BOOL Lookup(int nRow, int nColumn, VALUE& rValue) const
    {
        auto it = m_cells.find(Key(nRow, nColumn));
        if (it == m_cells.end())
            return FALSE;
        rValue = it->second;
        return TRUE;
    }
    void SetAt(int nRow, int nColumn, const VALUE& value) { m_cells[Key(nRow, nColumn)] = value; }
    BOOL RemoveKey(int nRow, int nColumn) { return m_cells.erase(Key(nRow, nColumn)) != 0; }
    void RemoveAll() { m_cells.clear(); }

    // Every value of the map, in (row, column) order.
    template <class FN> void ForEach(FN fn) const
    {
        for (const auto& cell : m_cells)
            fn(cell.first.first, cell.first.second, cell.second);
    }

    // The row is gone: its values go, the rows below move up one.
    void DeleteRow(int nRow)
    {
        TakeRow(nRow);
        ShiftRows(nRow + 1, -1);
    }
    // A row was inserted at nRow: the rows from there move down one.
    void InsertRow(int nRow) { ShiftRows(nRow, 1); }
    // The row at nFrom now stands at nTo, the others close up around it.
    void MoveRow(int nFrom, int nTo)
    {
        if (nFrom == nTo)
            return;
        std::vector<std::pair<int, VALUE>> row = TakeRow(nFrom);
        ShiftRows(nFrom + 1, -1);
        ShiftRows(nTo, 1);
        PutRow(nTo, row);
    }
    // The two rows trade places.
    void SwapRows(int nRow1, int nRow2)
    {
        if (nRow1 == nRow2)
            return;
        std::vector<std::pair<int, VALUE>> row1 = TakeRow(nRow1);
        std::vector<std::pair<int, VALUE>> row2 = TakeRow(nRow2);
        PutRow(nRow2, row1);
        PutRow(nRow1, row2);
    }
    // Rows from nCount on are gone.
    void TruncateRows(int nCount) { m_cells.erase(m_cells.lower_bound(Key(nCount, INT_MIN)), m_cells.end()); }

    // Takes a row's values out (the rows do not move), and puts them back
    // at another row.
    typedef std::vector<std::pair<int, VALUE>> Row; // column, value
    Row ExtractRow(int nRow) { return TakeRow(nRow); }
    void RestoreRow(int nRow, Row& row) { PutRow(nRow, row); }

    // After a sort: the row now at i was at oldRows[i]. Values of rows
    // outside the order are dropped.
    void Reorder(const std::vector<int>& oldRows)
    {
        if (m_cells.empty())
            return;
        std::vector<int> newRow(oldRows.size(), -1);
        for (size_t i = 0; i < oldRows.size(); ++i)
        {
            if (oldRows[i] >= 0 && (size_t)oldRows[i] < oldRows.size())
                newRow[oldRows[i]] = (int)i;
        }
        std::map<Key, VALUE> cells;
        for (auto& cell : m_cells)
        {
            int nRow = cell.first.first;
            if (nRow >= 0 && (size_t)nRow < newRow.size() && newRow[nRow] >= 0)
                cells.emplace(Key(newRow[nRow], cell.first.second), std::move(cell.second));
        }
        m_cells.swap(cells);
    }

private:
    std::vector<std::pair<int, VALUE>> TakeRow(int nRow)
    {
        std::vector<std::pair<int, VALUE>> row;
        auto it = m_cells.lower_bound(Key(nRow, INT_MIN));
        while (it != m_cells.end() && it->first.first == nRow)
        {
            row.emplace_back(it->first.second, std::move(it->second));
            it = m_cells.erase(it);
        }
        return row;
    }
    void PutRow(int nRow, std::vector<std::pair<int, VALUE>>& row)
    {
        for (auto& cell : row)
            m_cells[Key(nRow, cell.first)] = std::move(cell.second);
    }
    // Rows from nFirst on move by nDelta (-1 or 1).
    void ShiftRows(int nFirst, int nDelta)
    {
        auto first = m_cells.lower_bound(Key(nFirst, INT_MIN));
        if (first == m_cells.end())
            return;
        std::map<Key, VALUE> moved;
        for (auto it = first; it != m_cells.end(); ++it)
            moved.emplace_hint(moved.end(), Key(it->first.first + nDelta, it->first.second),
                               std::move(it->second));
        m_cells.erase(first, m_cells.end());
        m_cells.insert(std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    }

    std::map<Key, VALUE> m_cells;
};

#endif // TANZO_CONTROLS_LISTCELLMAP_H
