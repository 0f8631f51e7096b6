#ifndef TANZO_TEXT_ARCHIVECOMMEXCEPTION_H
#define TANZO_TEXT_ARCHIVECOMMEXCEPTION_H

#include "afx/Exception.h"
#include "afx/Object.h"
#include "afx/wintypes.h"

// Causes of CArchiveCommException, beyond those of CArchiveException.
#define ARCHIVE_COMM_OTHER_TYPE 0x10001    // the file is of another type
#define ARCHIVE_COMM_NEWER_VERSION 0x10002 // written by a newer version

// What the readers of the data files throw when a file is not theirs to
// read. Its message is CArchiveException's; the cause tells the reader's
// caller which box to show.
class CArchiveCommException : public CArchiveException
{
    DECLARE_DYNAMIC(CArchiveCommException)
public:
    explicit CArchiveCommException(int cause);
};

// Throws a new CArchiveCommException, as the AfxThrow functions do.
[[noreturn]] void ThrowArchiveCommException(int cause);

#endif // TANZO_TEXT_ARCHIVECOMMEXCEPTION_H
