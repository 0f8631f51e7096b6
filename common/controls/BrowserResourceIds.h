#ifndef TANZO_CONTROLS_BROWSERRESOURCEIDS_H
#define TANZO_CONTROLS_BROWSERRESOURCEIDS_H

// Resource ids of the embedded browser's windows (res/common/browser.rc).
// Nothing but #defines, one per line: the resource compilers read this
// file too.

// The help window: dialog 404 "ヘルプ", its caption "ヘルプ - %s" with the
// application's title, the placeholder the browser covers, its buttons and
// their tips.
#define IDD_HELP_WINDOW 404
#define IDS_HELP_CAPTION 464
#define IDC_HELP_PLACEHOLDER 4002
#define IDC_HELP_CLOSE 4003
#define IDC_HELP_BACK 4004
#define IDC_HELP_FORWARD 4005
// The browser frame over the placeholder.
#define IDC_HELP_BROWSER 4006
#define IDS_TIP_HELP_FORWARD 407
#define IDS_TIP_HELP_BACK 408
#define IDS_TIP_HELP_CLOSE 409

// The style sheet every help page links as href="410" (an HTML resource).
#define IDR_HELP_STYLE 410

// "ダウンロード処理がタイムアウトしました。"
#define IDS_BROWSER_DOWNLOAD_TIMEOUT 486

// Control ids of the previews' browsers.
#define IDC_PREVIEW_DIALOG_BROWSER 4089
#define IDC_PREVIEW_PAGE_BROWSER 4090

#endif // TANZO_CONTROLS_BROWSERRESOURCEIDS_H
