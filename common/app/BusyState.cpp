#include "app/BusyState.h"

CScopedFlag::CScopedFlag(int* pFlag) : m_pFlag(pFlag)
{
    if (m_pFlag == nullptr)
        return;
    m_saved.SetOrRemove(bitWasSet, *m_pFlag != 0);
    *m_pFlag = 1;
}

CScopedFlag::~CScopedFlag()
{
    if (m_pFlag != nullptr)
        *m_pFlag = m_saved.TestAny(bitWasSet) ? 1 : 0;
}
