#ifndef TANZO_CLIENT_ACTIONS_TEMPLATEMENURESOURCEIDS_H
#define TANZO_CLIENT_ACTIONS_TEMPLATEMENURESOURCEIDS_H

// Resource ids of the template menu, the template managers' common texts
// and the description preview (res/client/templates.rc). Nothing but
// #defines, one per line: the resource compilers read this file too.

// The menu over a template set: its own two commands, then the templates.
#define IDR_TEMPLATE_MENU 199
#define ID_TEMPLATE_MANAGE 33420
#define ID_TEMPLATE_ADD_CURRENT 33421
#define ID_TEMPLATE_FIRST_DESCRIPTION 33140
#define ID_TEMPLATE_FIRST_RATING 33160
#define IDS_TEMPLATE_ADD_QUESTION 960
#define IDS_TEMPLATE_ADDED 988
// The template managers.
#define IDH_TEMPLATE_MANAGER 204
#define IDS_TIP_TEMPLATE_ADD 1523
#define IDS_TIP_TEMPLATE_EDIT 1524
#define IDS_TIP_TEMPLATE_DELETE 1525
#define IDS_TIP_MOVE_UP 1434
#define IDS_TIP_MOVE_DOWN 1435
// The preview of a description.
#define IDD_DESCRIPTION_PREVIEW 190
#define IDC_DESCRIPTION_PREVIEW_BROWSER 2175
#define IDC_DESCRIPTION_PREVIEW_STATUS 2176
#define IDS_TEMP_FILE_FAILED 920

#endif // TANZO_CLIENT_ACTIONS_TEMPLATEMENURESOURCEIDS_H
