#ifndef TANZO_CLIENT_TANZORESOURCEIDS_H
#define TANZO_CLIENT_TANZORESOURCEIDS_H

// Resource ids of the client's main window (res/client/tanzo.rc). Nothing
// but #defines, one per line: the resource compilers read this file too.

// Menu, accelerators, tool bar, icon and title of the main window:
// IDR_MAINFRAME (controls/ControlsResourceIds.h).
// The tool bar's images and their greyed forms, and the other images of
// the command image list: the marks, greyed, and the check marks.
#define IDB_TOOLBAR_NORMAL 128
#define IDB_TOOLBAR_GREY 277
#define IDB_MARKS_NORMAL 279
#define IDB_MARKS_GREY 280
#define IDB_CHECKS 281
// The mark menu of the tool bar's drop-down button.
#define IDR_MARK_MENU 215
// The dialog the view hosts.
#define IDD_TANZO_TABS 130
#define IDC_TANZO_TABS 2000

// Item commands.
#define ID_ITEM_EARLY_CLOSE 33001
#define ID_ITEM_CANCEL 33002
#define ID_ITEM_FEATURED_AMOUNT 33003
#define ID_ITEM_ADD_DESCRIPTION 33004
#define ID_ITEM_RATE 33005
#define ID_ITEM_RESUBMIT 33006
#define ID_ITEM_REMOVE 33007
#define ID_ITEM_MEMO 33008
#define ID_ITEM_RATED 33009
#define ID_ITEM_RATING_FORBIDDEN 33010
#define ID_USER_ID_MANAGE 33011
#define ID_RESUBMIT_SETTINGS 33012
// The user IDs of the ID and page bar.
#define ID_USER_ID_FIRST 33100
#define ID_USER_ID_LAST 33119
// Pages.
#define ID_PAGE_CHOICE_FIRST 33120
#define ID_PAGE_CHOICE_LAST 33129
#define ID_PAGE_PREVIOUS 33130
#define ID_PAGE_NEXT 33131
#define ID_PAGE_GO_TO 33132
#define ID_PAGE_FIRST 33133
#define ID_PAGE_LAST 33134
#define ID_PAGE_ALL 33135
// Marks, from 1 (33200) to none (33219), and the tool bar's mark button.
#define ID_MARK_FIRST 33200
#define ID_MARK_A 33204
#define ID_MARK_B 33205
#define ID_MARK_C 33206
#define ID_MARK_D 33207
#define ID_MARK_STAR 33208
#define ID_MARK_HEART 33209
#define ID_MARK_LEAF 33210
#define ID_MARK_ORANGE 33211
#define ID_MARK_CHERRY 33212
#define ID_MARK_QUESTION 33214
#define ID_MARK_SKULL 33216
#define ID_MARK_MONSTER 33218
#define ID_MARK_NONE 33219
#define ID_MARK_BUTTON 33220
// Lists.
#define ID_LIST_REFRESH 33300
#define ID_LIST_STOP 33301
#define ID_LIST_SELECT_ALL 33302
#define ID_LIST_SHOW_IN_BROWSER 33303
#define ID_LIST_FIND 33304
#define ID_LIST_FIND_PREVIOUS 33305
#define ID_LIST_FIND_NEXT 33306
#define ID_LIST_WINNERS 33307
// Templates.
#define ID_TEMPLATES_DESCRIPTION 33310
#define ID_TEMPLATES_RATE_AS_SELLER 33311
#define ID_TEMPLATES_RATE_AS_BUYER 33312
// Customise.
#define ID_OPTIONS 33330
#define ID_LOGIN_SETTINGS 33331
#define ID_FONT_SIZE 33332
#define ID_COLORS 33333
#define ID_TOOLBAR_SETTINGS 33334
// Also used: the page's help ID_DIALOG_HELP, the links of a cell
// ID_LINK_COPY and ID_LINK_OPEN (app/DialogResourceIds.h); the version
// ID_APP_ABOUT, quitting ID_APP_EXIT and the help's contents ID_HELP_INDEX
// (afx/afxres.h).

// The dialogs of the Customise menu and their help pages; the tool bar's
// dialog is the common IDD_TOOLBAR_SETTING (app/DialogResourceIds.h).
#define IDD_OPTIONS 145
#define IDC_OPTION_STATUS_BAR 1601
#define IDC_OPTION_CHARGE_OPTIONS 1604
#define IDC_OPTION_MARKDOWN 1605
#define IDC_OPTION_CASH_ON_DELIVERY 1606
#define IDC_OPTION_FORBIDDEN 1671
#define IDC_OPTION_RATED 1672
#define IDC_OPTION_RESET 2132
#define IDD_FONT_SIZE 272
#define IDD_LOGIN_SETTING 241
#define IDD_COLOR_SETTING 182
#define IDC_COLOR_OTHER_FIRST 2231
#define IDC_COLOR_OTHER_LAST 2242
#define IDC_COLOR_RESET 2246
#define IDC_COLOR_TEXT 2248
#define IDC_COLOR_LINK 2258
#define IDC_COLOR_BACKGROUND 2250
#define IDC_COLOR_BORDER 2252
#define IDC_COLOR_FOCUS_TEXT 2260
#define IDC_COLOR_FOCUS 2254
#define IDC_COLOR_FOCUS_FRAME 2256
#define IDC_COLOR_PAGE_SELLING 2287
#define IDC_COLOR_PAGE_WINNER 2289
#define IDC_COLOR_PAGE_NO_WINNER 2262
#define IDC_COLOR_PAGE_WON 2264
#define IDC_COLOR_TOOLBAR 2294
#define HID_OPTIONS 166
#define HID_FONT_SIZE 273
#define HID_LOGIN_SETTING 242
#define HID_TOOLBAR_SETTING 275
#define HID_COLOR_SETTING 202
// The help's contents.
#define HID_CONTENTS 165
// The tip of every "初期値に戻す(&D)" button.
#define IDS_TIP_RESET_DEFAULTS 1401

// The add dialog of an account (controls: auction/accounts/UserIdResourceIds.h).
#define IDD_USERID_ADD 154

// The status bar's panes.
#define IDS_PANE_SELECTED 915
#define IDS_PANE_SELECTED_FORMAT 916
#define IDS_PANE_LOGIN 1106
#define IDS_PANE_LOGIN_FORMAT 1107
#define IDS_PANE_ITEMS 851
#define IDS_PANE_ITEMS_FORMAT 852
#define IDS_PANE_PROGRESS 805

#endif // TANZO_CLIENT_TANZORESOURCEIDS_H
