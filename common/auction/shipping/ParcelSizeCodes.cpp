#include "auction/shipping/ParcelSizeCodes.h"

namespace
{
// A key is the number plus 256 for "over" the number.
const int kOver = 256;

struct CodeEntry
{
    int key;
    int code;
};

struct CodeRow
{
    const CodeEntry* entries;
    int count;
};

const CodeEntry kSizes0[] = {{60, 1},  {70, 2},  {80, 3},  {100, 4}, {120, 5},
                             {130, 6}, {140, 7}, {160, 8}, {170, 9}, {170 + kOver, 10}};
const CodeEntry kWeights0[] = {{2, 1},   {4, 9},   {5, 2},   {6, 10}, {8, 11},        {10, 3},
                               {11, 12}, {12, 13}, {14, 14}, {15, 4}, {16, 15},       {18, 16},
                               {20, 5},  {21, 17}, {25, 6},  {30, 7}, {30 + kOver, 8}};
const CodeEntry kSizesService[] = {{60, 1}, {80, 3}, {100, 4}, {120, 5}, {140, 7}, {160, 8}};
const CodeEntry kSizesService3[] = {{60, 1}, {80, 3}, {100, 4}, {120, 5}, {140, 7}, {160, 8}, {170, 9}};
const CodeEntry kWeightsService[] = {{2, 1}, {5, 2}, {10, 3}, {15, 4}, {20, 5}, {25, 6}};

#define ROW(table)                                                                                           \
    {                                                                                                        \
        table, (int)(sizeof(table) / sizeof(table[0]))                                                       \
    }
const CodeRow kSizeRows[4] = {ROW(kSizes0), ROW(kSizesService), ROW(kSizesService), ROW(kSizesService3)};
const CodeRow kWeightRows[4] = {ROW(kWeights0), ROW(kWeightsService), ROW(kWeightsService),
                                ROW(kWeightsService)};
#undef ROW

int KeyOf(const CSelectValue& value)
{
    int number = value.GetNumber() < 0 ? 0 : value.GetNumber();
    if (number >= kOver)
        return -1; // would alias an "over" key
    return value.GetIndex() != 0 ? number : number + kOver;
}

int CodeOf(const CodeRow* rows, int row, const CSelectValue& value)
{
    if (row < 0 || row > 3)
        return 0;
    int key = KeyOf(value);
    for (int i = 0; i < rows[row].count; ++i)
        if (rows[row].entries[i].key == key)
            return rows[row].entries[i].code;
    return 0;
}

BOOL ValueOf(const CodeRow* rows, int row, int code, CSelectValue& value)
{
    if (row < 0 || row > 3)
        return FALSE;
    for (int i = 0; i < rows[row].count; ++i)
    {
        const CodeEntry& entry = rows[row].entries[i];
        if (entry.code != code)
            continue;
        BOOL over = entry.key >= kOver;
        value.SetNumber(over ? entry.key - kOver : entry.key);
        value.SetIndex(over ? 0 : 1);
        return TRUE;
    }
    return FALSE;
}
} // namespace

int ParcelSizeCode(int row, const CSelectValue& size)
{
    return CodeOf(kSizeRows, row, size);
}

int ParcelWeightCode(int row, const CSelectValue& weight)
{
    return CodeOf(kWeightRows, row, weight);
}

BOOL ParcelSizeFromCode(int row, int code, CSelectValue& size)
{
    return ValueOf(kSizeRows, row, code, size);
}

BOOL ParcelWeightFromCode(int row, int code, CSelectValue& weight)
{
    return ValueOf(kWeightRows, row, code, weight);
}
