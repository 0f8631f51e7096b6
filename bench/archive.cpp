// Loading archives: a string map of 16,384 and of 131,072 keys (the time
// per key stays flat when loading is linear), and the memory that a string
// array takes while it loads, against the size of its file, for a count
// the file backs and for a count near 2^31 followed by the same bytes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "afx/Archive.h"
#include "afx/Collections.h"
#include "afx/Exception.h"
#include "afx/File.h"

#include "HeapCount.h"

namespace
{
using Clock = std::chrono::steady_clock;

std::vector<BYTE> Store(CObject& object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Loads the bytes into the object; FALSE when the archive throws.
BOOL Load(std::vector<BYTE>& bytes, CObject& object)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    try
    {
        CArchive ar(&file, CArchive::load);
        object.Serialize(ar);
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
}

void MapLoading(int keys)
{
    CMapStringToString map;
    for (int i = 0; i < keys; ++i)
    {
        CString key;
        key.Format("item-%08d", i);
        map[key] = "value";
    }
    std::vector<BYTE> bytes = Store(map);
    double best = 1e9;
    for (int run = 0; run < 3; ++run)
    {
        CMapStringToString loaded;
        auto start = Clock::now();
        Load(bytes, loaded);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::printf("map of %7d keys (%8zu bytes): loads in %8.2f ms, %6.0f ns per key\n", keys, bytes.size(),
                best * 1e3, best * 1e9 / keys);
}

void ArrayMemory(const char* what, std::vector<BYTE> bytes)
{
    size_t base = g_nHeapNow;
    g_nHeapPeak = g_nHeapNow;
    {
        CStringArray array;
        BOOL loaded = Load(bytes, array);
        std::printf(
            "string array, %-28s %8zu bytes of file: %s, at most %10zu bytes taken, %5.1f times the file\n",
            what, bytes.size(), loaded ? "loaded" : "thrown", (g_nHeapPeak - base),
            (double)(g_nHeapPeak - base) / bytes.size());
    }
}
} // namespace

int main()
{
    MapLoading(16384);
    MapLoading(131072);

    // One million empty strings: a zero length byte each.
    const size_t strings = 1000000;
    std::vector<BYTE> backed = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    backed[2] = (BYTE)strings;
    backed[3] = (BYTE)(strings >> 8);
    backed[4] = (BYTE)(strings >> 16);
    backed[5] = 0;
    backed.resize(backed.size() + strings, 0);
    ArrayMemory("count the file backs,", backed);
    std::vector<BYTE> unbacked = backed;
    unbacked[2] = 0xF0, unbacked[3] = 0xFF, unbacked[4] = 0xFF, unbacked[5] = 0x7F;
    ArrayMemory("count 0x7FFFFFF0,", unbacked);
    return 0;
}
