#include "text/MarkupArena.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

// Under the address sanitizer a node given back is poisoned, so that a use
// of it after its delete is caught as on the heap.
#if defined(__SANITIZE_ADDRESS__)
#define TANZO_ARENA_POISON 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TANZO_ARENA_POISON 1
#endif
#endif
#ifdef TANZO_ARENA_POISON
#include <sanitizer/asan_interface.h>
#endif

namespace
{
const size_t kAlign = alignof(std::max_align_t);

thread_local CMarkupArena* t_pCurrent = nullptr;

inline size_t Rounded(size_t n)
{
    return (n + kAlign - 1) & ~(kAlign - 1);
}
} // namespace

CMarkupArena* CMarkupArena::Create(LPCTSTR source, int nLength)
{
    CMarkupArena* pArena = new CMarkupArena;
    // The source in a block of its own, with room for the nodes of a page
    // of ordinary markup after it.
    const size_t nSource = Rounded((size_t)nLength + 1);
    pArena->m_nBlockSize = std::max<size_t>(16384, Rounded((size_t)nLength / 2));
    char* pBlock = static_cast<char*>(std::malloc(nSource + pArena->m_nBlockSize));
    if (pBlock == nullptr)
    {
        delete pArena;
        throw std::bad_alloc();
    }
    pArena->m_blocks.emplace_back(pBlock, nSource + pArena->m_nBlockSize);
    std::memcpy(pBlock, source, (size_t)nLength);
    pBlock[nLength] = '\0';
    pArena->m_pSource = pBlock;
    pArena->m_nSource = nLength;
    pArena->m_pNext = pBlock + nSource;
    pArena->m_pEnd = pArena->m_pNext + pArena->m_nBlockSize;
    return pArena;
}

CMarkupArena::~CMarkupArena()
{
    for (const auto& block : m_blocks)
    {
#ifdef TANZO_ARENA_POISON
        ASAN_UNPOISON_MEMORY_REGION(block.first, block.second);
#endif
        std::free(block.first);
    }
}

void* CMarkupArena::Allocate(size_t nBytes)
{
    nBytes = Rounded(nBytes);
    if ((size_t)(m_pEnd - m_pNext) < nBytes)
    {
        m_nBlockSize = std::max(nBytes, std::min<size_t>(m_nBlockSize * 2, 4 << 20));
        char* pBlock = static_cast<char*>(std::malloc(m_nBlockSize));
        if (pBlock == nullptr)
            throw std::bad_alloc();
        m_blocks.emplace_back(pBlock, m_nBlockSize);
        m_pNext = pBlock;
        m_pEnd = pBlock + m_nBlockSize;
    }
    void* p = m_pNext;
    m_pNext += nBytes;
    AddRef();
    return p;
}

void CMarkupArena::Free(void* p, size_t nBytes)
{
#ifdef TANZO_ARENA_POISON
    ASAN_POISON_MEMORY_REGION(p, Rounded(nBytes));
#else
    (void)p;
    (void)nBytes;
#endif
    Release();
}

void CMarkupArena::Release()
{
    if (m_nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete this;
}

CMarkupArena* CMarkupArena::Current()
{
    return t_pCurrent;
}

CMarkupArena::Scope::Scope(CMarkupArena* pArena) : m_pPrevious(t_pCurrent)
{
    t_pCurrent = pArena;
}

CMarkupArena::Scope::~Scope()
{
    t_pCurrent = m_pPrevious;
}
