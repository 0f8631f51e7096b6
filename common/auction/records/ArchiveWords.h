#ifndef TANZO_AUCTION_ARCHIVEWORDS_H
#define TANZO_AUCTION_ARCHIVEWORDS_H

#include "afx/wintypes.h"

class CArchive;

// 64-bit amounts of the records: the low 32-bit word, then the high word.
void StoreInt64(CArchive& ar, LONGLONG value);
LONGLONG LoadInt64(CArchive& ar);

// A count word read from an archive, refused (CArchiveException::badIndex)
// when it is above nMax, so that a corrupt count allocates nothing.
DWORD LoadCount(CArchive& ar, DWORD nMax);

#endif // TANZO_AUCTION_ARCHIVEWORDS_H
