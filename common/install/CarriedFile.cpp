#include "install/CarriedFile.h"

CCarriedFile::CCarriedFile(UINT nResourceId, LPCTSTR lpszTargetPath, const VS_FIXEDFILEINFO* pVersion,
                           LPCTSTR lpszResourceType)
    : m_nResourceId(nResourceId), m_strTargetPath(lpszTargetPath),
      m_pVersion(pVersion != nullptr ? std::make_unique<VS_FIXEDFILEINFO>(*pVersion) : nullptr),
      m_lpszResourceType(lpszResourceType)
{
}

CCarriedFile::~CCarriedFile() = default;
