#ifndef TANZO_APP_DIALOGPROFILE_H
#define TANZO_APP_DIALOGPROFILE_H

// The profile section of each dialog, "Dialog\" followed by its settings
// id, with typed values and numbered lists ("FindString%02d" gives the keys
// FindString01, FindString02, ...). Without an application object readers
// give their defaults and writers do nothing.

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"

CString GetDialogProfileSection(UINT nSettingsId);
// The key of entry n (from 1) of a numbered list.
CString FormatDialogProfileKey(LPCTSTR lpszFormat, int n);

int GetDialogProfileInt(UINT nSettingsId, LPCTSTR lpszKey, int nDefault);
void GetDialogProfileString(UINT nSettingsId, LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault = "");
void WriteDialogProfileInt(UINT nSettingsId, LPCTSTR lpszKey, int nValue);
void WriteDialogProfileString(UINT nSettingsId, LPCTSTR lpszKey, LPCTSTR lpszValue);

// Reads nCount entries (-1: as many as the array holds) into the array,
// resized to them. Reading stops at the first empty value: it and every
// later entry are empty. TRUE when an entry was read; FALSE too for a
// count below 1.
BOOL GetDialogProfileStringArray(UINT nSettingsId, LPCTSTR lpszFormat, CStringArray& array, int nCount,
                                 LPCTSTR lpszDefault = "");
// Writes nCount keys (negative: the array's size); entries past the array
// get the default text.
void WriteDialogProfileStringArray(UINT nSettingsId, LPCTSTR lpszFormat, const CStringArray& array,
                                   int nCount, LPCTSTR lpszDefault = "");

// A history list (of a combo box): the entries up to the first empty one,
// most recent first; TRUE when there is at least one.
BOOL LoadDialogHistory(UINT nSettingsId, LPCTSTR lpszFormat, int nCount, CStringArray& entries);
// Writes all nCount keys every time, the ones past the entries empty.
void SaveDialogHistory(UINT nSettingsId, LPCTSTR lpszFormat, int nCount, const CStringArray& entries);

#endif // TANZO_APP_DIALOGPROFILE_H
