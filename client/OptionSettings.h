#ifndef TANZO_CLIENT_OPTIONSETTINGS_H
#define TANZO_CLIENT_OPTIONSETTINGS_H

#include "afx/wintypes.h"
#include "auction/login/LoginSettingType.h"
#include "text/BitFlags.h"

#ifdef _WIN32
class CCommEdit;
class CCommListCtrl;
class CDecorateStatic;
#endif

// The client's options: which confirmations and warnings to show, the text
// size of lists and edits, the tool bar's display format, the find options,
// the log-in setting and twelve colours. The main frame holds the one
// instance; it reads the profile's "Settings" when made and writes them
// back when it goes.
class COptionSettings : public CLoginSettingType
{
public:
    // Option bits ("OptionValue").
    enum : DWORD
    {
        OptionConfirmChargeOptions = 0x02, // re-listing with paid options
        OptionConfirmRated = 0x04,         // setting or clearing "rated"
        OptionConfirmForbidden = 0x08,     // setting or clearing "rating forbidden"
        OptionConfirmMarkdown = 0x10,      // re-listing with a price reduction
        OptionWarnCashOnDelivery = 0x20,   // seller pays shipping, yet cash on delivery
        // The bits of the options dialog's check boxes; the profile keeps
        // bit 0x01 as well.
        DialogOptionBits = 0x3E,
        StoredOptionBits = 0x3F,
        // Only inside the options dialog: the status bar shows.
        OptionStatusBarVisible = 0x20000000
    };
    enum
    {
        ColorItemText,
        ColorItemLinkText,
        ColorItemTextBk,
        ColorItemBorder,
        ColorItemFocusText,
        ColorItemFocusBk,
        ColorItemFocusFrame,
        ColorPageBgSelling,
        ColorPageBgClosed,
        ColorPageBgClosedNoWinner,
        ColorPageBgWon,
        ColorToolBarBg,
        ColorCount
    };
    enum
    {
        FontSizeCount = 7,
        DefaultFontSize = 4,
        ToolBarFormatIconsOnly = 0,
        ToolBarFormatTextRight = 1,
        ToolBarFormatTextBelow = 2,
        ToolBarFormatCount = 3,
        FindMatchCase = 0x1
    };

    // A row of the text-size table.
    struct FontSizeRow
    {
        UINT idsName;
        int pointSize; // tenths of a point
        int listValue1;
        int listValue2;
        int sampleWidth;
        int sampleHeight;
    };

    // Reads the profile.
    COptionSettings();
    // Writes the profile.
    ~COptionSettings() override;

    void LoadFromProfile();
    void SaveToProfile() const;

    // With bDefaults the default answers instead of the current value.
    DWORD MaskOptionBits(DWORD bits, BOOL bDefaults = FALSE) const;
    // FALSE, nothing changed, when any of the bits is set already.
    BOOL AddOptionBits(DWORD bits);
    // FALSE when none of the bits is set.
    BOOL RemoveOptionBits(DWORD bits);

    // Each Set is TRUE only when the value changed; a value outside the
    // table is taken as the default.
    int GetFontSizeType(BOOL bDefaults = FALSE) const;
    BOOL SetFontSizeType(int index);
    int GetToolBarFormat(BOOL bDefaults = FALSE) const;
    BOOL SetToolBarFormat(int format);
    COLORREF GetColor(int index, BOOL bDefaults = FALSE) const;
    BOOL SetColor(int index, COLORREF color);

    void AddFindOptions(DWORD bits) { m_findOptions.Add(bits); }
    void RemoveFindOptions(DWORD bits) { m_findOptions.Remove(bits); }
    DWORD TestFindOptions(DWORD bits) const { return m_findOptions.TestAny(bits); }

    // Null for an index outside 0..6.
    static const FontSizeRow* GetFontSizeRow(int index);
    // The "Size" column; FALSE for an index outside 0..6.
    static BOOL GetFontSize(int index, int& size);
    // 0 outside the twelve colours.
    static COLORREF GetDefaultColor(int index);
    // Profile keys of a colour and of its remembered custom colour.
    static LPCTSTR GetColorKey(int index);
    static LPCTSTR GetCustomColorKey(int index);

#ifdef _WIN32
    // The text size, the two sizes of list rows and the colours of lists
    // that the options choose. Each FALSE, nothing done, for a control
    // without a window.
    BOOL ApplyListFontSize(CCommListCtrl* pList) const;
    BOOL ApplyListMetrics(CCommListCtrl* pList) const;
    BOOL ApplyListColors(CCommListCtrl* pList) const;
    BOOL ApplyEditFontSize(CCommEdit* pEdit) const;
    BOOL ApplyStaticFontSize(CDecorateStatic* pStatic) const;
    BOOL ApplySampleSize(CDecorateStatic* pSample) const;
    // The text size of a row of the table, and the sample's size of it.
    static BOOL ApplySampleSize(CDecorateStatic* pSample, int index);
#endif

private:
    DWORD m_optionBits;
    int m_fontSizeType;
    int m_toolBarFormat;
    COLORREF m_colors[ColorCount];
    CBitFlags m_findOptions;
};

#endif // TANZO_CLIENT_OPTIONSETTINGS_H
