#ifndef TANZO_INSTALL_INSTALLRESOURCEIDS_H
#define TANZO_INSTALL_INSTALLRESOURCEIDS_H

// Texts of the installation library. res/install/install.rc holds those
// that the installer and the uninstaller both show; the install folder's
// checks are the installer's own (res/setup).

#define IDS_MAKER_FOLDER 436
#define IDS_INSTALL_FOLDER_EMPTY 447
#define IDS_INSTALL_FOLDER_BAD_DRIVE 448
#define IDS_INSTALL_FOLDER_BAD_CHARACTER 449
#define IDS_INSTALL_NO_SHORTCUT_KIND 465
#define IDS_INSTALL_NEWER_FILE 744
#define IDS_START_MENU_FOLDER_UNKNOWN 745
#define IDS_DESKTOP_FOLDER_UNKNOWN 746
#define IDS_OLD_OS_HEADING 747
#define IDS_OLD_OS_CAPTION 748
#define IDS_PRODUCT_DISPLAY_NAME 800

#endif // TANZO_INSTALL_INSTALLRESOURCEIDS_H
