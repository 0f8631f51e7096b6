#ifndef TANZO_CLIENT_DATASETFILES_H
#define TANZO_CLIENT_DATASETFILES_H

#include "afx/String.h"
#include "afx/wintypes.h"

// The document's four data sets, one file each.
enum DataSet
{
    dataSetDescriptionTemplates = 0,
    dataSetSellerRatingTemplates = 1,
    dataSetBuyerRatingTemplates = 2,
    dataSetUserEdits = 3,
    DataSetCount = 4,
    TemplateSetCount = 3
};

// What frames a set's file and how its failures are told.
struct DataSetInfo
{
    LPCTSTR fileName;
    LPCTSTR typeName; // the archive string the file begins with
    DWORD version;    // written; older ones are read
    DWORD loadedBit;
    DWORD modifiedBit;
    UINT idsOtherType;
    UINT idsNewerVersion;
    UINT idsSaveFailed; // %1!s!: the reason
    UINT idsReadFailed;
};

// Null for a set outside 0..3.
const DataSetInfo* GetDataSetInfo(int set);

// The product's folder in the maker's application-data folder, and the
// user-data folder in it.
#define DATA_FOLDER_PRODUCT "Tanzo"
#define DATA_FOLDER_USERS "UserData"

// A user ID that names a folder of its own directly below the user-data
// folder: not empty, not "." or "..", no character that Windows keeps out
// of names (\ / : * ? " < > | and control characters), and no dot or blank
// at the end, which Windows would drop and so reach another ID's folder.
BOOL IsPlainFolderName(LPCTSTR name);

// The folder of a set: the user-data folder root for sets 0 to 2; for set
// 3 the user's folder below it, named by userID. FALSE (out empty) for an
// empty root, another set, or a user ID that is no plain folder name.
BOOL MakeDataFolder(LPCTSTR root, int set, LPCTSTR userID, CString& out);
// The set's file in that folder.
BOOL MakeDataFilePath(LPCTSTR root, int set, LPCTSTR userID, CString& out);

#endif // TANZO_CLIENT_DATASETFILES_H
