#ifndef TANZO_CLIENT_LISTRESOURCEIDS_H
#define TANZO_CLIENT_LISTRESOURCEIDS_H

// Resource ids of the item lists, their pages, the ID and page bar and
// the memo and page-number dialogs (res/client/lists.rc). Nothing but
// #defines, one per line: the resource compilers read this file too.

// The four pages: templates, lists and their two notes.
#define IDD_PAGE_SELLING 131
#define IDD_PAGE_CLOSED_WINNER 132
#define IDD_PAGE_WON 133
#define IDD_PAGE_CLOSED_NO_WINNER 134
#define IDC_LIST_SELLING 2001
#define IDC_LIST_CLOSED_WINNER 2002
#define IDC_LIST_WON 2003
#define IDC_LIST_CLOSED_NO_WINNER 2004
#define IDC_EMPTY_CLOSED_WINNER 2154
#define IDC_EMPTY_SELLING 2155
#define IDC_EMPTY_CLOSED_NO_WINNER 2156
#define IDC_EMPTY_WON 2157
#define IDC_BUSY_CLOSED_WINNER 2158
#define IDC_BUSY_SELLING 2159
#define IDC_BUSY_CLOSED_NO_WINNER 2160
#define IDC_BUSY_WON 2161
#define HID_LIST_PAGES 235

// The tabs' icons: four 16-pixel images on a (0, 128, 128) mask.
#define IDB_TAB_ICONS 240
// The lists' own images.
#define IDI_LIST_FEATURED 229
#define IDI_LIST_FEATURED_DONE 230
#define IDI_LIST_RATED 232
#define IDI_LIST_FORBIDDEN 233
#define IDI_LIST_SOME_RATED 266
#define IDI_LIST_BUYER_FORBIDDEN 267

// Menus: a row's context menu, the winners' entry put into it, the ID
// button's and the page button's menus.
#define IDR_LIST_CONTEXT_MENU 160
#define IDR_LIST_WINNERS_MENU 268
#define IDR_ID_MENU 157
#define IDR_PAGE_MENU 159

// The ID and page bar.
#define IDD_ID_PAGE_BAR 151
#define IDC_BAR_USER_ID 2083
#define IDC_BAR_PAGE_NUMBER 2084
#define IDC_BAR_ID_BUTTON 2085
#define IDC_BAR_PAGE_BUTTON 2087
#define IDC_BAR_ALL 2088
#define IDC_BAR_PAGE_COUNT 2089

// The memo dialog (its combo is the memo dialog base's IDC_MEMO_TEXT).
#define IDD_MEMO_SETTING 149
#define IDD_MEMO_SETTING_SECTION 207
#define HID_MEMO_SETTING 1
#define IDC_MEMO_LABEL 2197

// The page-number dialog.
#define IDD_PAGE_NUMBER 156
#define HID_PAGE_NUMBER 174
#define IDC_PAGE_NUMBER_EDIT 2146
#define IDC_PAGE_NUMBER_SPIN 2147
#define IDC_PAGE_NUMBER_RANGE 2148

// Tab captions.
#define IDS_TAB_SELLING 801
#define IDS_TAB_CLOSED_WINNER 802
#define IDS_TAB_WON 803
#define IDS_TAB_CLOSED_NO_WINNER 804

// Column headings.
#define IDS_COLUMN_ID 891
#define IDS_COLUMN_TITLE 892
#define IDS_COLUMN_CURRENT_PRICE 893
#define IDS_COLUMN_BIDS 894
#define IDS_COLUMN_WINNER 895
#define IDS_COLUMN_REMAINING 896
#define IDS_COLUMN_FEATURED 897
#define IDS_COLUMN_END_TIME 898
#define IDS_COLUMN_SELLER 899
#define IDS_COLUMN_MEMO 978
#define IDS_COLUMN_RATING 979
#define IDS_COLUMN_TOP_BIDDER 1078
#define IDS_COLUMN_MARK 1108
#define IDS_COLUMN_WATCH 1157

// Cells and hover texts.
#define IDS_SHOW_WINNERS 1158
#define IDS_WINNERS_NAMED 1159
#define IDS_WINNER_LIST 1160
#define IDS_HOVER_MEMO 986

// Questions before the item commands: one item, several, some of them.
#define IDS_ASK_EARLY_CLOSE_ONE 815
#define IDS_ASK_EARLY_CLOSE_MANY 816
#define IDS_ASK_REMOVE_ONE 817
#define IDS_ASK_REMOVE_MANY 818
#define IDS_ASK_RATE_SELLER_ONE 826
#define IDS_ASK_RATE_SELLER_MANY 827
#define IDS_ASK_RATE_BUYER_ONE 833
#define IDS_ASK_RATE_BUYER_MANY 834
#define IDS_ASK_RESUBMIT_ONE 837
#define IDS_ASK_RESUBMIT_MANY 838
#define IDS_ASK_FEATURED_ONE 849
#define IDS_ASK_FEATURED_MANY 850
#define IDS_ASK_DESCRIPTION_ONE 853
#define IDS_ASK_DESCRIPTION_MANY 854
#define IDS_ASK_RATE_SELLER_SOME 1064
#define IDS_ASK_RATE_BUYER_SOME 1065
#define IDS_ASK_CANCEL_ONE 1109
#define IDS_ASK_CANCEL_MANY 1110
// Setting or clearing rated and rating forbidden.
#define IDS_ASK_FORBID_ONE 1066
#define IDS_ASK_FORBID_MANY 1067
#define IDS_ASK_ALLOW_ONE 1068
#define IDS_ASK_ALLOW_MANY 1069
#define IDS_ASK_RATED_ONE 1071
#define IDS_ASK_RATED_MANY 1072
#define IDS_ASK_UNRATED_ONE 1073
#define IDS_ASK_UNRATED_MANY 1074
#define IDS_ASK_RATED_WINNERS 1121
#define IDS_ASK_FORBID_WINNERS 1122

// Messages after the jobs.
#define IDS_DESCRIPTION_DONE 859
#define IDS_RATE_DONE 907
#define IDS_FEATURED_DONE 1063
#define IDS_RESUBMIT_WINNER_DONE 1075

// The refresh.
#define IDS_STOPPING 880
#define IDS_PAGE_LOAD_FAILED 913

// The bar and the page-number dialog.
#define IDS_PAGE_RANGE 882
#define IDS_ALL_PAGES 883
#define IDS_PAGE_COUNT 885
#define IDS_NUMBER_OUT_OF_RANGE 842
#define IDS_TIP_PAGE_NUMBER 1442
#define IDS_TIP_ID_BUTTON 1520
#define IDS_TIP_PAGE_BUTTON 1521

// The memo dialog.
#define IDS_MEMO_SEVERAL_CAPTION 984
#define IDS_TIP_MEMO 1487

#endif // TANZO_CLIENT_LISTRESOURCEIDS_H
