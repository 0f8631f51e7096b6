#ifndef TANZO_AUCTION_LOGINDIALOGIDS_H
#define TANZO_AUCTION_LOGINDIALOGIDS_H

// Resource ids of the log-in dialogs (res/common/login.rc). Nothing but
// #defines, one per line: the resource compilers read this file too.

// Image characters: dialog 739 "ログインの文字認証".
#define IDD_LOGIN_CAPTCHA 739
#define IDC_LOGIN_CAPTCHA_MESSAGE 4091
#define IDC_LOGIN_CAPTCHA_STATUS 4092
#define IDC_LOGIN_CAPTCHA_PLACEHOLDER 4093
#define IDC_LOGIN_CAPTCHA_BROWSER 4094
#define IDC_LOGIN_CAPTCHA_ABORT 4095

// One-time password: dialog 740 "ワンタイムパスワードの認証".
#define IDD_LOGIN_ONE_TIME_PASSWORD 740
#define IDC_LOGIN_OTP_MESSAGE 4096
#define IDC_LOGIN_OTP_PLACEHOLDER 4098
#define IDC_LOGIN_OTP_BROWSER 4099
#define IDC_LOGIN_OTP_ABORT 4100

// The user signs in in the browser: dialog 691 "ログインの認証".
#define IDD_LOGIN_MANUAL 691
#define IDC_LOGIN_MANUAL_MESSAGE 4101
#define IDC_LOGIN_MANUAL_PLACEHOLDER 4102
#define IDC_LOGIN_MANUAL_BROWSER 4103
#define IDC_LOGIN_MANUAL_ABORT 4104
#define IDC_LOGIN_MANUAL_DECLARE 4109
#define IDC_LOGIN_MANUAL_STATUS 4110

// The dialog fills and sends the form itself: dialog 692.
#define IDD_LOGIN_SCRIPT 692
#define IDC_LOGIN_SCRIPT_MESSAGE 4105
#define IDC_LOGIN_SCRIPT_PLACEHOLDER 4106
#define IDC_LOGIN_SCRIPT_BROWSER 4107
#define IDC_LOGIN_SCRIPT_ABORT 4108

// Texts of the manual dialog.
#define IDS_LOGIN_REAUTH_CAPTION 694
#define IDS_LOGIN_REAUTH_MESSAGE 695
#define IDS_LOGIN_DECLARE_HINT 696
#define IDS_LOGIN_START_FAILED 697
#define IDS_LOGIN_REAUTH_START_FAILED 698
#define IDS_TIP_LOGIN_ABORT 700
#define IDS_TIP_LOGIN_DECLARE 701
#define IDS_LOGIN_MOVING 684
#define IDS_LOGIN_MOVE_FAILED 685

// "一定時間経過したため、ログインの実行を中止します。"
#define IDS_LOGIN_TIMED_OUT 738

// Timers of the dialogs: the time-out, and the move to the log-in page.
#define IDT_LOGIN_TIMEOUT 0x1109
#define IDT_LOGIN_START 0x111E

#endif // TANZO_AUCTION_LOGINDIALOGIDS_H
