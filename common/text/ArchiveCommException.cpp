#include "text/ArchiveCommException.h"

IMPLEMENT_DYNAMIC(CArchiveCommException, CArchiveException)

CArchiveCommException::CArchiveCommException(int cause) : CArchiveException(cause) {}

void ThrowArchiveCommException(int cause)
{
    throw new CArchiveCommException(cause);
}
