#include "client/OptionSettings.h"

#include "afx/WinApp.h"
#include "app/AppComm.h"

namespace
{
const TCHAR kOptionValue[] = "OptionValue";
const TCHAR kFontSizeType[] = "FontSizeType";
const TCHAR kToolBarDispFormat[] = "ToolBarDispFormat";
const TCHAR kFindOption[] = "FindOption";

const struct
{
    LPCTSTR key;
    LPCTSTR customKey;
    COLORREF color;
} kColors[COptionSettings::ColorCount] = {
    {"ColorItemText", "OtherColorItemText", 0x000000},
    {"ColorItemLinkText", "OtherColorItemLinkText", 0xFF0000},
    {"ColorItemTextBk", "OtherColorItemTextBk", 0xFFFFFF},
    {"ColorItemBorder", "OtherColorItemBorder", 0xC0C0C0},
    {"ColorItemFocusText", "OtherColorItemFocusText", 0x000080},
    {"ColorItemFocusBk", "OtherColorItemFocusBk", 0xF8E0D0},
    {"ColorItemFocusFrame", "OtherColorItemFocusFrame", 0x808080},
    {"ColorPageBgSelling", "OtherColorPageBgSelling", 0x78E0FF},
    {"ColorPageBgClosed", "OtherColorPageBgClosed", 0xFFB0B0},
    {"ColorPageBgClosedNoWinner", "OtherColorPageBgClosedNoWinner", 0xFFB0B0},
    {"ColorPageBgWon", "OtherColorPageBgWon", 0xB0B0FF},
    {"ColorToolBarBg", "OtherColorToolBarBg", 0xF8E0E0},
};

const COptionSettings::FontSizeRow kFontSizes[COptionSettings::FontSizeCount] = {
    {1129, 150, 29, 31, 480, 33}, // 最大
    {1128, 130, 25, 27, 420, 29}, // 大きい
    {1155, 120, 24, 26, 400, 28}, // やや大きい
    {1127, 110, 23, 25, 380, 27}, // 中くらい
    {1156, 100, 22, 24, 360, 26}, // やや小さい - 標準
    {1126, 90, 20, 22, 320, 24},  // 小さい
    {1125, 80, 18, 20, 280, 22},  // 最小
};

const DWORD kDefaultOptionBits = COptionSettings::StoredOptionBits;

CAppComm* ProfileApp()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->IsKindOf(RUNTIME_CLASS(CAppComm)) ? static_cast<CAppComm*>(pApp)
                                                                      : nullptr;
}

int CheckedFontSize(int index)
{
    return index >= 0 && index < COptionSettings::FontSizeCount ? index : COptionSettings::DefaultFontSize;
}

int CheckedToolBarFormat(int format)
{
    return format >= 0 && format < COptionSettings::ToolBarFormatCount
               ? format
               : COptionSettings::ToolBarFormatTextBelow;
}

BOOL IsColorIndex(int index)
{
    return index >= 0 && index < COptionSettings::ColorCount;
}
} // namespace

COptionSettings::COptionSettings()
    : m_optionBits(kDefaultOptionBits), m_fontSizeType(DefaultFontSize),
      m_toolBarFormat(ToolBarFormatTextBelow)
{
    for (int i = 0; i < ColorCount; ++i)
        m_colors[i] = kColors[i].color;
    LoadFromProfile();
}

COptionSettings::~COptionSettings()
{
    SaveToProfile();
}

void COptionSettings::LoadFromProfile()
{
    CAppComm* pApp = ProfileApp();
    if (pApp == nullptr)
        return;
    m_optionBits = pApp->GetSettingInt(kOptionValue, (int)kDefaultOptionBits) & StoredOptionBits;
    m_fontSizeType = CheckedFontSize((int)pApp->GetSettingInt(kFontSizeType, DefaultFontSize));
    m_toolBarFormat =
        CheckedToolBarFormat((int)pApp->GetSettingInt(kToolBarDispFormat, ToolBarFormatTextBelow));
    CLoginSettingType::LoadFromProfile(pApp);
    m_findOptions.Set(pApp->GetSettingInt(kFindOption, 0) & FindMatchCase);
    for (int i = 0; i < ColorCount; ++i)
        m_colors[i] = (COLORREF)pApp->GetSettingInt(kColors[i].key, (int)kColors[i].color);
}

void COptionSettings::SaveToProfile() const
{
    CAppComm* pApp = ProfileApp();
    if (pApp == nullptr)
        return;
    pApp->WriteSettingInt(kOptionValue, (int)m_optionBits);
    pApp->WriteSettingInt(kFontSizeType, m_fontSizeType);
    pApp->WriteSettingInt(kToolBarDispFormat, m_toolBarFormat);
    CLoginSettingType::SaveToProfile(pApp);
    pApp->WriteSettingInt(kFindOption, (int)m_findOptions.Get());
    for (int i = 0; i < ColorCount; ++i)
        pApp->WriteSettingInt(kColors[i].key, (int)m_colors[i]);
}

DWORD COptionSettings::MaskOptionBits(DWORD bits, BOOL bDefaults) const
{
    return bits & (bDefaults ? kDefaultOptionBits : m_optionBits);
}

BOOL COptionSettings::AddOptionBits(DWORD bits)
{
    if ((m_optionBits & bits) != 0)
        return FALSE;
    m_optionBits |= bits;
    return TRUE;
}

BOOL COptionSettings::RemoveOptionBits(DWORD bits)
{
    if ((m_optionBits & bits) == 0)
        return FALSE;
    m_optionBits &= ~bits;
    return TRUE;
}

int COptionSettings::GetFontSizeType(BOOL bDefaults) const
{
    return bDefaults ? DefaultFontSize : m_fontSizeType;
}

BOOL COptionSettings::SetFontSizeType(int index)
{
    index = CheckedFontSize(index);
    if (index == m_fontSizeType)
        return FALSE;
    m_fontSizeType = index;
    return TRUE;
}

int COptionSettings::GetToolBarFormat(BOOL bDefaults) const
{
    return bDefaults ? ToolBarFormatTextBelow : m_toolBarFormat;
}

BOOL COptionSettings::SetToolBarFormat(int format)
{
    format = CheckedToolBarFormat(format);
    if (format == m_toolBarFormat)
        return FALSE;
    m_toolBarFormat = format;
    return TRUE;
}

COLORREF COptionSettings::GetColor(int index, BOOL bDefaults) const
{
    if (!IsColorIndex(index))
        return 0;
    return bDefaults ? kColors[index].color : m_colors[index];
}

COLORREF COptionSettings::GetDefaultColor(int index)
{
    return IsColorIndex(index) ? kColors[index].color : 0;
}

BOOL COptionSettings::SetColor(int index, COLORREF color)
{
    if (!IsColorIndex(index) || m_colors[index] == color)
        return FALSE;
    m_colors[index] = color;
    return TRUE;
}

const COptionSettings::FontSizeRow* COptionSettings::GetFontSizeRow(int index)
{
    return index >= 0 && index < FontSizeCount ? &kFontSizes[index] : nullptr;
}

BOOL COptionSettings::GetFontSize(int index, int& size)
{
    const FontSizeRow* row = GetFontSizeRow(index);
    if (row == nullptr)
        return FALSE;
    size = row->pointSize;
    return TRUE;
}

LPCTSTR COptionSettings::GetColorKey(int index)
{
    return IsColorIndex(index) ? kColors[index].key : nullptr;
}

LPCTSTR COptionSettings::GetCustomColorKey(int index)
{
    return IsColorIndex(index) ? kColors[index].customKey : nullptr;
}
