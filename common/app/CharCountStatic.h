#ifndef TANZO_APP_CHARCOUNTSTATIC_H
#define TANZO_APP_CHARCOUNTSTATIC_H

// A label that shows how many full-width characters a text uses (Windows
// builds): bold from the warning count on, red from one below the maximum.

#include "app/DecorateStatic.h"

class CCharCountStatic : public CDecorateStatic
{
    DECLARE_DYNAMIC(CCharCountStatic)
public:
    // Thresholds.
    enum
    {
        thresholdWarning = 0,
        thresholdMaximum = 1
    };

    explicit CCharCountStatic(int nCount = 0);

    // The count in bytes; with bUpdate the label shows it at once.
    void SetCount(int nCount, BOOL bUpdate);
    int GetCount() const { return m_nCount; }
    // 0 switches a threshold off; other indexes are ignored.
    void SetThreshold(int nIndex, int nValue);
    void UpdateDisplay();

private:
    int m_nCount;
    int m_nThresholds[2] = {0, 0};
};

#endif // TANZO_APP_CHARCOUNTSTATIC_H
