#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYNORMALSUBMITBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYNORMALSUBMITBASEPAGE_H

// The payment page of an ordinary listing (Windows builds): four check
// boxes (bank transfer, two further methods, the service's settlement),
// the seller's bank names and his other payment methods, each a list box
// with Add, Edit and Delete. The client binds the controls, runs its entry
// dialog through the list commands and routes the notifications.

#include "auction/settings/AuctionSubmitSettingPayBasePage.h"
#include "auction/settings/SubmitPayNormalSettings.h"

class CPayMethodEntryDialog;

// A list box of names and its three buttons.
class CPayMethodListControls
{
public:
    CListBox m_list;
    CButton m_addButton;
    CButton m_editButton;
    CButton m_deleteButton;
};

class CAuctionSubmitSettingPayNormalSubmitBasePage : public CAuctionSubmitSettingPayBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingPayNormalSubmitBasePage)
public:
    enum
    {
        CheckCount = 4
    };
    // UpdateEnabling bits.
    enum : DWORD
    {
        EnableBankList = 0x1,
        EnableOtherList = 0x2
    };

    CAuctionSubmitSettingPayNormalSubmitBasePage(UINT nIDTemplate, int nPageMode, CWnd* pParentWnd = nullptr);

    BOOL SaveSettings() override;
    BOOL Apply(CAuctionListingForm& form) override;
    BOOL IsDefault() override;
    void InitControls() override;
    void UpdateControls() override;
    void SetDefaults() override;
    void UpdateEnabling(DWORD dwWhich) override;
    BOOL Validate(CTabbedDialog* pDialog) override;
    BOOL HasNoPaymentChoice() override;
    // A question before a row is deleted, with the row's text as %1; 0
    // asks nothing.
    virtual UINT GetDeleteConfirmMessageId();

    // The list commands: the entry dialog adds a text or changes the
    // selected one.
    void OnAddBankName(CPayMethodEntryDialog& dialog);
    void OnEditBankName(CPayMethodEntryDialog& dialog);
    void OnDeleteBankName();
    void OnAddOtherMethod(CPayMethodEntryDialog& dialog);
    void OnEditOtherMethod(CPayMethodEntryDialog& dialog);
    void OnDeleteOtherMethod();
    // Appends a bank name and selects it.
    void AddListText(LPCTSTR lpszText);
    // The menu's first submenu below the bank list's Add button.
    void ShowListContextMenu(UINT nIDMenu);
    afx_msg void OnBankListChanged() { UpdateEnabling(EnableBankList); }
    afx_msg void OnOtherListChanged() { UpdateEnabling(EnableOtherList); }

    CSubmitPayNormalSettings& GetSettings() { return m_settings; }

    // The payment bit of each check box.
    static const DWORD kCheckBits[CheckCount];

protected:
    CButton m_checks[CheckCount];
    CStatic m_bankLabel;
    CPayMethodListControls m_bankNames;
    CPayMethodListControls m_otherMethods;
    CSubmitPayNormalSettings m_settings;

private:
    void AddText(CPayMethodListControls& controls, CPayMethodEntryDialog& dialog, DWORD dwWhich);
    void EditText(CPayMethodListControls& controls, CPayMethodEntryDialog& dialog, DWORD dwWhich);
    void DeleteText(CPayMethodListControls& controls, DWORD dwWhich);
    void InsertText(CPayMethodListControls& controls, int nIndex, LPCTSTR lpszText, DWORD dwWhich);
    void EnableList(CPayMethodListControls& controls, BOOL bEnable);
    CButton& CheckOf(DWORD dwBit);
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYNORMALSUBMITBASEPAGE_H
