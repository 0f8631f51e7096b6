// Reads arbitrary bytes as the archive of one of the records: the first
// byte picks the record, the second its flags, the rest is the archive.
// Whatever the bytes, loading either succeeds or throws CArchiveException
// (or a memory exception), and never reads or allocates out of bounds.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "auction/accounts/UserAccount.h"
#include "auction/records/AuctionBuyer.h"
#include "auction/records/AuctionItem.h"
#include "auction/records/ItemCondition.h"
#include "auction/shipping/AuctionShipMethods.h"

namespace
{
void LoadRecord(CArchive& ar, uint8_t kind, uint8_t flags)
{
    switch (kind % 5)
    {
    case 0:
    {
        AuctionItem item;
        item.Serialize(ar, flags);
        // A loaded record must store again.
        CMemFile out;
        CArchive store(&out, CArchive::store);
        item.Serialize(store, flags);
        store.Close();
        break;
    }
    case 1:
    {
        AuctionBuyer buyer;
        buyer.Serialize(ar, flags);
        break;
    }
    case 2:
    {
        CAuctionShipMethods methods;
        methods.Serialize(ar, flags, (DWORD)flags >> 3 | 1);
        break;
    }
    case 3:
    {
        CUserAccount account;
        account.Serialize(ar, 0);
        CMemFile out;
        CArchive store(&out, CArchive::store);
        account.Serialize(store, 0);
        store.Close();
        break;
    }
    default:
    {
        CItemCondition condition;
        condition.Serialize(ar, flags);
        break;
    }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    std::vector<BYTE> bytes(data + 2, data + size);
    bytes.push_back(0); // never a null buffer; not part of the file
    CMemFile file(bytes.data(), (UINT)(size - 2));
    try
    {
        CArchive ar(&file, CArchive::load);
        LoadRecord(ar, data[0], data[1]);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    return 0;
}
