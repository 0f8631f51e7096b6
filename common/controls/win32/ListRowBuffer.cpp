#include "controls/ListRowBuffer.h"

CDC* CListRowBuffer::Begin(CDC* pTargetDC, int cx, int cy)
{
    if (pTargetDC == nullptr || pTargetDC->m_hDC == nullptr || cx <= 0 || cy <= 0)
        return nullptr;
    const int nBits = pTargetDC->GetDeviceCaps(BITSPIXEL) * pTargetDC->GetDeviceCaps(PLANES);
    if (m_pBuffer == nullptr || m_pBuffer->GetDC() == nullptr || m_pBuffer->GetWidth() != cx ||
        m_pBuffer->GetHeight() != cy || nBits != m_nBits)
    {
        m_pBuffer = std::make_unique<CMemoryDC>(pTargetDC);
        m_nBits = nBits;
        if (m_pBuffer->Create(cx, cy) == nullptr)
        {
            Release();
            return nullptr;
        }
    }
    CDC* pDC = m_pBuffer->GetDC();
    m_nSaved = pDC->SaveDC();
    if (m_nSaved == 0)
    {
        Release();
        return nullptr;
    }
    return pDC;
}

void CListRowBuffer::End()
{
    CDC* pDC = m_pBuffer != nullptr ? m_pBuffer->GetDC() : nullptr;
    if (pDC != nullptr && m_nSaved != 0)
        pDC->RestoreDC(m_nSaved);
    m_nSaved = 0;
}

void CListRowBuffer::Release()
{
    m_pBuffer.reset();
    m_nBits = 0;
    m_nSaved = 0;
}
