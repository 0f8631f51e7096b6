// Reads arbitrary bytes as a fetched page (code page 932 text) with each
// reader of the user's status lists, the listing step's dialog check and
// the alert-box readers. Whatever the page, each read ends with one of its
// answers and the items it appended; nothing is read or kept out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "client/InsertionDialog.h"
#include "client/ListReaders.h"
#include "client/MyAuctionPageReader.h"
#include "client/TanzoAuctionItem.h"
#include "text/HtmlDocument.h"

namespace
{
void ReadWith(CMyAuctionListReader& reader, const CString& text, BOOL readPageCount)
{
    CHtmlDocument page(text);
    CTanzoAuctionItemList items;
    DWORD reached = 0;
    reader.SetExpectedUserId("demo_seller1");
    reader.SetTimeLimit(CTime(1700000000));
    const int answer = reader.ReadPage(page, "http://list.example/jp/show/mystatus?select=x", items,
                                       readPageCount, &reached);
    if (answer < CMyAuctionListReader::PageRead || answer > CMyAuctionListReader::PageFetchFailed)
        __builtin_trap();
    if (answer != CMyAuctionListReader::PageRead && !items.IsEmpty())
        __builtin_trap();
    for (POSITION pos = items.GetHeadPosition(); pos != nullptr;)
    {
        const TanzoAuctionItem* item = items.GetNext(pos);
        CString marks;
        item->FormatChargeOptionMarks(marks);
        item->GetTime();
    }
    CMyAuctionListReader::FreeItems(items);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CString text(std::string(reinterpret_cast<const char*>(data), size).c_str());
    CSellingListReader selling;
    CClosedWinnerListReader winner;
    CClosedNoWinnerListReader noWinner;
    CWonListReader won;
    const BOOL readPageCount = size % 2 == 0;
    ReadWith(selling, text, readPageCount);
    ReadWith(winner, text, readPageCount);
    ReadWith(noWinner, text, !readPageCount);
    ReadWith(won, text, !readPageCount);

    CHtmlDocument page(text);
    for (BOOL newMethod : {FALSE, TRUE})
    {
        DWORD bits = 0;
        CString message;
        CheckInsertionDialog(&page, newMethod, bits, message);
        if (bits > 7)
            __builtin_trap();
    }
    IsItemGoneAlert(&page);
    IsAdultCategoryPage(&page);
    return 0;
}
