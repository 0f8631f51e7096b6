#ifndef TANZO_CONTROLS_CONTROLSRES_H
#define TANZO_CONTROLS_CONTROLSRES_H

// Resources of the controls and the small dialogs (res/common/edit.rc,
// res/common/smalldialogs.rc).

// The edit's context menu, and the undo items added in undo mode 1.
#define IDR_EDIT_CONTEXT_MENU 440
#define IDR_EDIT_UNDO_MENU 553

// "Nothing was entered."
#define IDS_NOTHING_ENTERED 517
// The product's web address: the version dialog's tip on its link.
#define IDS_PRODUCT_URL 425

#endif // TANZO_CONTROLS_CONTROLSRES_H
