#ifndef TANZO_CLIENT_MEMOSETTINGDIALOG_H
#define TANZO_CLIENT_MEMOSETTINGDIALOG_H

// CMemoSettingDialog: the memo of one or several items (dialog 149,
// Windows builds), with the last ten memos to choose from.

#include "controls/MemoHistoryDialog.h"

class CMemoSettingDialog : public CMemoHistoryDialog
{
public:
    explicit CMemoSettingDialog(CWnd* pParentWnd = nullptr);
    ~CMemoSettingDialog() override;

    BOOL OnInitDialog() override;

protected:
    // "メモの設定 - 複数一括設定" when several items get the memo.
    UINT GetTitleId() override;
};

#endif // TANZO_CLIENT_MEMOSETTINGDIALOG_H
