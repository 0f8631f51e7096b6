#ifndef TANZO_CONTROLS_COLORPICKDIALOG_H
#define TANZO_CONTROLS_COLORPICKDIALOG_H

// The system's colour dialog with sixteen custom colours that persist:
// they are read from "UserColor01" to "UserColor16" of the profile section
// "Dialog\624" when the dialog is made and written back when it goes
// (Windows builds).

#include "afx/ColorDialog.h"

#define COLOR_PICK_CUSTOM_COUNT 16

class CColorPickDialog : public CColorDialog
{
public:
    // pValues: the colours of keys not stored yet (white without them).
    explicit CColorPickDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr,
                              const COLORREF* pValues = nullptr);
    ~CColorPickDialog() override;

    COLORREF GetCustomColor(int nIndex) const;
    void SetCustomColor(int nIndex, COLORREF c);

private:
    COLORREF m_customColors[COLOR_PICK_CUSTOM_COUNT];
};

#endif // TANZO_CONTROLS_COLORPICKDIALOG_H
