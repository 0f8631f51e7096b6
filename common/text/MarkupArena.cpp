#include "text/MarkupArena.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
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

// Blocks of parses gone, kept for the next: a page's blocks are large,
// and a heap hands large blocks back to the system, which then maps and
// clears them anew for every page.
class CSpareBlocks
{
public:
    // A kept block of at least nBytes (its size in nBytes), or null.
    char* Take(size_t& nBytes)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // The smallest that fits.
        size_t best = m_nCount;
        for (size_t i = 0; i < m_nCount; ++i)
            if (m_blocks[i].second >= nBytes && (best == m_nCount || m_blocks[i].second < m_blocks[best].second))
                best = i;
        if (best == m_nCount)
            return nullptr;
        const std::pair<char*, size_t> block = m_blocks[best];
        m_blocks[best] = m_blocks[--m_nCount];
        m_nBytes -= block.second;
        nBytes = block.second;
        return block.first;
    }
    // Keeps the block, or frees it when enough are kept.
    void Give(char* p, size_t nBytes)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_nCount < kMaxBlocks && m_nBytes + nBytes <= kMaxBytes)
            {
                m_blocks[m_nCount++] = {p, nBytes};
                m_nBytes += nBytes;
                return;
            }
        }
        std::free(p);
    }

private:
    static const size_t kMaxBlocks = 8;
    static const size_t kMaxBytes = 16 << 20;
    std::mutex m_mutex;
    std::pair<char*, size_t> m_blocks[kMaxBlocks];
    size_t m_nCount = 0;
    size_t m_nBytes = 0;
};

CSpareBlocks& SpareBlocks()
{
    // Never destroyed: an arena may outlive static destruction.
    static CSpareBlocks* pSpares = new CSpareBlocks;
    return *pSpares;
}

char* NewBlock(size_t& nBytes)
{
    char* p = SpareBlocks().Take(nBytes);
    if (p == nullptr)
        p = static_cast<char*>(std::malloc(nBytes));
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}
} // namespace

CMarkupArena* CMarkupArena::Create(LPCTSTR source, int nLength)
{
    CMarkupArena* pArena = new CMarkupArena;
    // The source in a block of its own, with room for the nodes of a page
    // of ordinary markup after it.
    const size_t nSource = Rounded((size_t)nLength + 1);
    pArena->m_nBlockSize = std::max<size_t>(16384, Rounded((size_t)nLength / 2));
    size_t nBlock = nSource + pArena->m_nBlockSize;
    char* pBlock;
    try
    {
        pBlock = NewBlock(nBlock);
    }
    catch (...)
    {
        delete pArena;
        throw;
    }
    pArena->m_nBlockSize = nBlock - nSource;
    pArena->m_blocks.emplace_back(pBlock, nBlock);
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
        SpareBlocks().Give(block.first, block.second);
    }
}

void* CMarkupArena::Allocate(size_t nBytes)
{
    nBytes = Rounded(nBytes);
    if ((size_t)(m_pEnd - m_pNext) < nBytes)
    {
        m_nBlockSize = std::max(nBytes, std::min<size_t>(m_nBlockSize * 2, 4 << 20));
        char* pBlock = NewBlock(m_nBlockSize);
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
