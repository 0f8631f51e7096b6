#include "client/ShipProblemMessages.h"

#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "client/TextResourceIds.h"

namespace
{

// The name at index of a zero-terminated id table; empty out of range.
CString NameAt(const UINT* ids, DWORD index)
{
    for (DWORD i = 0; ids[i] != 0; ++i)
        if (i == index)
            return LoadText(ids[i]);
    return CString();
}

// Every name of the table as "・name", one a line.
CString NameLines(const UINT* ids)
{
    const CString format = LoadText(IDS_SHIP_NAME_LINE);
    CString out;
    for (int i = 0; ids[i] != 0; ++i)
    {
        CString line;
        line.Format(format, (LPCTSTR)LoadText(ids[i]));
        if (i > 0)
            out += "\r\n";
        out += line;
    }
    return out;
}
} // namespace

const UINT kServiceShipNameIds[] = {1306, 1302, 1303, 0};
const UINT kFlatRateShipNameIds[] = {1307, 1308, 1309, 1310, 1311, 1312, 1313, 0};
const UINT kNoArrivalShipNameIds[] = {1308, 1309, 1310, 1311, 1312, 1313, 0};

UINT GetShipMethodProblemMessageId(const CAuctionShipMethods& shipping, int kind)
{
    switch (kind)
    {
    case ShipCheckNothing:
        return IDS_SHIP_NOTHING;
    case ShipCheckLink:
        return IDS_SHIP_LINK;
    case ShipCheckNoFeeMixed:
        return IDS_SHIP_NO_FEE_MIXED;
    case ShipCheckClientMixed:
        return IDS_SHIP_ARRIVAL_MIXED;
    case ShipCheckPrefixName:
        return IDS_SHIP_SERVICE_NAME;
    case ShipCheckWholeNames:
        return shipping.GetShipMethodCount() > 1 ? IDS_SHIP_FLAT_RATE_ALL : IDS_SHIP_FLAT_RATE_ONE;
    case ShipCheckArrivalName:
        return IDS_SHIP_NO_ARRIVAL;
    case ShipCheckPairsDiffer:
        return IDS_SHIP_PAIRS_DIFFER;
    default:
        return 0;
    }
}

UINT GetListingKindShipMessageId(int kind)
{
    switch (kind)
    {
    case 1:
        return IDS_SHIP_SERVICE_ORDINARY;
    case 2:
        return IDS_SHIP_REGIONAL_ORDINARY;
    case 3:
        return IDS_SHIP_ARRIVAL_ORDINARY;
    default:
        return 0;
    }
}

void FormatShipMethodProblem(const CAuctionShipMethods& shipping, UINT id, DWORD detail, CString& out)
{
    const DWORD index = detail >> 16;
    switch (id)
    {
    case IDS_SHIP_SERVICE_NAME:
        out.FormatMessage(id, (LPCTSTR)NameAt(kServiceShipNameIds, index));
        break;
    case IDS_SHIP_FLAT_RATE_ONE:
    {
        CShipMethod first;
        shipping.GetFirstShipMethod(first);
        out.FormatMessage(id, (LPCTSTR)first.GetName(), (LPCTSTR)NameLines(kFlatRateShipNameIds));
        out += LoadText(IDS_SHIP_SET_FEES);
        break;
    }
    case IDS_SHIP_FLAT_RATE_ALL:
        out.FormatMessage(id, (LPCTSTR)NameLines(kFlatRateShipNameIds));
        out += LoadText(IDS_SHIP_SET_FEES);
        break;
    case IDS_SHIP_NO_ARRIVAL:
        out.FormatMessage(id, (LPCTSTR)NameAt(kNoArrivalShipNameIds, index),
                          (LPCTSTR)NameLines(kNoArrivalShipNameIds));
        break;
    default:
        out = LoadText(id);
        break;
    }
}

void ShowShipMethodProblem(const CAuctionShipMethods& shipping, UINT id, DWORD detail)
{
    CString text;
    FormatShipMethodProblem(shipping, id, detail, text);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
