#ifndef TANZO_CONTROLS_LISTCONTROLRESOURCEIDS_H
#define TANZO_CONTROLS_LISTCONTROLRESOURCEIDS_H

// Resources of the lists, the colour pickers and the selection band.

// Ctrl+A of every list.
#define IDR_LIST_ACCEL 411
// The translucent band window: an empty dialog template.
#define IDD_TRANSLUCENT_POPUP 678
// The header's sort arrows: three pairs of 16-pixel images, ascending
// first, on a 0x808000 mask.
#define IDB_LIST_SORT_ARROWS 679

// Labels of the colour combo's "other" and "standard" entries.
#define IDS_COLOR_OTHER 412
#define IDS_COLOR_STANDARD 470

// The colour dialog's settings id: its custom colours live in "Dialog\624".
#define IDD_COLOR_PICK_SETTINGS 624

// Ctrl+A sends ID_EDIT_SELECT_ALL (afx/afxres.h).

#endif // TANZO_CONTROLS_LISTCONTROLRESOURCEIDS_H
