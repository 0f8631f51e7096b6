#ifndef TANZO_CLIENT_DATAFILESYSTEM_H
#define TANZO_CLIENT_DATAFILESYSTEM_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CFile;
class CFileException;

// The file system under the user's data files. A data file is never
// written in place: a temporary file beside it is written and closed, then
// moved over it, so that a failure leaves the old file as it was. Paths
// are "\" separated; the native build uses them with "/".
class CDataFileSystem
{
public:
    virtual ~CDataFileSystem();

    enum FileQuery
    {
        fileFound,
        fileMissing,
        fileUnknown
    };
    // Whether a file is at path. Missing only when the system says that
    // neither it nor a folder above it is there; any other failure to ask
    // is unknown, the reason in *pError.
    virtual FileQuery QueryFile(LPCTSTR path, CFileException* pError) = 0;
    // Creates the missing folders above path.
    virtual BOOL EnsureFolderOfFile(LPCTSTR path) = 0;
    // Removes a folder with everything in it; TRUE when it is not there.
    virtual BOOL RemoveFolderTree(LPCTSTR path) = 0;
    // Open for reading, shared with nobody; null (the reason in *pError)
    // when it cannot be opened. The caller deletes the file.
    virtual CFile* OpenForReading(LPCTSTR path, CFileException* pError) = 0;
    // The temporary file of path, made empty and open for writing; its
    // name in tempPath. Null (the reason in *pError) on failure.
    virtual CFile* CreateTemporary(LPCTSTR path, CString& tempPath, CFileException* pError) = 0;
    // Moves the closed temporary file over path; throws CFileException.
    virtual void Replace(LPCTSTR tempPath, LPCTSTR path) = 0;
    // Removes a file if it is there; never throws.
    virtual void RemoveFile(LPCTSTR path) = 0;
};

// The disk.
CDataFileSystem& GetDiskFileSystem();

// Steps of writing a data file on disk at which tests make the disk fail.
enum DataFileStep
{
    dataFileCreate, // the temporary file is made
    dataFileWrite,  // bytes go to it; bytesSoFar counts those before them
    dataFileFlush,  // they are forced to the disk
    dataFileClose,  // it is closed
    dataFileReplace // it is moved over the data file
};
// Called before each step with the data file's path (the temporary file's
// for dataFileCreate, dataFileWrite, dataFileFlush and dataFileClose);
// FALSE makes the step fail as a full disk would.
typedef BOOL (*DataFileFaultProc)(DataFileStep step, LPCTSTR path, DWORD bytesSoFar, void* param);
// Null: no faults.
void SetDataFileFaultHook(DataFileFaultProc proc, void* param = nullptr);

#endif // TANZO_CLIENT_DATAFILESYSTEM_H
