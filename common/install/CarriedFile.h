#ifndef TANZO_INSTALL_CARRIEDFILE_H
#define TANZO_INSTALL_CARRIEDFILE_H

// A file that a program carries as a resource and writes to disk: its
// resource, where it goes, and its version (none: it is written whatever
// is there).

#include "afx/String.h"
#include "afx/wintypes.h"

#include <memory>

class CCarriedFile
{
public:
    // The version block is copied; null for none.
    CCarriedFile(UINT nResourceId, LPCTSTR lpszTargetPath, const VS_FIXEDFILEINFO* pVersion,
                 LPCTSTR lpszResourceType);
    virtual ~CCarriedFile();

    UINT GetResourceId() const { return m_nResourceId; }
    const CString& GetTargetPath() const { return m_strTargetPath; }
    const VS_FIXEDFILEINFO* GetVersion() const { return m_pVersion.get(); }
    // A constant text that outlives the record.
    LPCTSTR GetResourceType() const { return m_lpszResourceType; }

private:
    UINT m_nResourceId;
    CString m_strTargetPath;
    std::unique_ptr<VS_FIXEDFILEINFO> m_pVersion;
    LPCTSTR m_lpszResourceType;

    CCarriedFile(const CCarriedFile&) = delete;
    CCarriedFile& operator=(const CCarriedFile&) = delete;
};

#endif // TANZO_INSTALL_CARRIEDFILE_H
