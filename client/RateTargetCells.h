#ifndef TANZO_CLIENT_RATETARGETCELLS_H
#define TANZO_CLIENT_RATETARGETCELLS_H

// What a row of the partner list shows of its buyer: the ID, linked to
// the user's page on the service, and a mark of the buyer's feedback
// state.

#include "afx/String.h"
#include "afx/wintypes.h"

class TanzoAuctionBuyer;

enum
{
    RateTargetColumnID = 0,
    RateTargetColumnRating = 1
};

// The images of the rating column.
enum
{
    RateTargetNoImage = -1,
    RateTargetImageRated = 0,
    RateTargetImageForbidden = 1
};

// TRUE when the cell has a text.
BOOL GetRateTargetText(const TanzoAuctionBuyer& buyer, int nColumn, CString& out);
// TRUE when the cell links somewhere.
BOOL GetRateTargetLink(const TanzoAuctionBuyer& buyer, int nColumn, CString& out);
// A buyer forbidden feedback shows that, even when rated too.
int GetRateTargetImage(const TanzoAuctionBuyer& buyer, int nColumn);

#endif // TANZO_CLIENT_RATETARGETCELLS_H
