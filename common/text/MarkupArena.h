#ifndef TANZO_TEXT_MARKUPARENA_H
#define TANZO_TEXT_MARKUPARENA_H

#include <atomic>
#include <cstddef>
#include <utility>
#include <vector>

#include "afx/wintypes.h"

// The memory of one parse: a copy of the source, which the nodes' texts
// and attribute values point into until someone asks for them, and the
// nodes themselves, taken from large blocks instead of one allocation
// each. Every node made in it holds a reference, so a node taken out of
// its tree and kept keeps the arena too; the last one gone frees it.
class CMarkupArena
{
public:
    // The arena holds one reference for its maker (Release when done).
    static CMarkupArena* Create(LPCTSTR source, int nLength);

    LPCTSTR GetSource() const { return m_pSource; }
    int GetSourceLength() const { return m_nSource; }
    BOOL HoldsSource(LPCTSTR p) const { return p >= m_pSource && p <= m_pSource + m_nSource; }

    // Memory for one node, aligned for any type; adds a reference. Free
    // drops the reference of a node gone; its memory goes with the arena.
    void* Allocate(size_t nBytes);
    void Free(void* p, size_t nBytes);
    void AddRef() { m_nRefs.fetch_add(1, std::memory_order_relaxed); }
    void Release();

    // The arena the nodes made on this thread come from (null: the heap).
    static CMarkupArena* Current();

    // Makes an arena current for the life of the scope.
    class Scope
    {
    public:
        explicit Scope(CMarkupArena* pArena);
        ~Scope();

    private:
        CMarkupArena* m_pPrevious;
    };

private:
    CMarkupArena() = default;
    ~CMarkupArena();
    CMarkupArena(const CMarkupArena&) = delete;
    CMarkupArena& operator=(const CMarkupArena&) = delete;

    char* m_pNext = nullptr;
    char* m_pEnd = nullptr;
    size_t m_nBlockSize = 0;
    std::vector<std::pair<char*, size_t>> m_blocks;
    std::atomic<long> m_nRefs{1};
    LPCTSTR m_pSource = nullptr;
    int m_nSource = 0;
};

#endif // TANZO_TEXT_MARKUPARENA_H
