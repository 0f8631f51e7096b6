#ifndef TANZO_TESTS_AUCTION_SHIPPINGTESTSTRINGS_H
#define TANZO_TESTS_AUCTION_SHIPPINGTESTSTRINGS_H

#include "auction/ArchiveTestUtil.h"

// Format and name texts that callers of the shipping records pass by id;
// the ids are the tests' own.
enum : UINT
{
    IDT_SIZE_UPTO = 61001,   // "%dcm以下"
    IDT_SIZE_OVER = 61002,   // "%dcm超"
    IDT_WEIGHT_UPTO = 61003, // "%dkg以下"
    IDT_WEIGHT_OVER = 61004, // "%dkg超"
    IDT_UNDECIDED = 61005,   // "未定"
    IDT_REGION_TEXT = 61012, // "地域別"
    IDT_ARRIVAL = 61013,     // "着払い"
    IDT_SEPARATOR = 61014,   // "／"
    IDT_REGION1 = 61015,     // "本州%s"
    IDT_REGION2 = 61016,     // "北海道%s"
    IDT_REGION3 = 61017,     // "沖縄%s"
    IDT_BRACKETS = 61018,    // "[%s]"
    IDT_PAY_ON_DELIVERY = 61020,
    IDT_PREPAID = 61021,
    IDT_NONSTANDARD = 61022,
    IDT_YUMAIL = 61023,
    IDT_CARRIER = 61024,
    IDT_NAME_VALUE = 61030, // "%s:%s"
    IDT_NAME_LINK = 61031,  // "%s<%s>"
    IDT_SERVICE1 = 61040,
    IDT_SERVICE2 = 61041,
    IDT_SERVICE3 = 61042,
    IDT_SERVICE4 = 61043,
    IDS_YEN = 549,
    IDS_OSAKA = 603, // prefecture 27
    IDS_TOKYO = 589  // prefecture 13
};

inline bool EnsureShippingStrings()
{
    return EnsureStrings({
        {IDT_SIZE_UPTO, "%dcm以下"},     {IDT_SIZE_OVER, "%dcm超"},    {IDT_WEIGHT_UPTO, "%dkg以下"},
        {IDT_WEIGHT_OVER, "%dkg超"},     {IDT_UNDECIDED, "未定"},      {IDT_REGION_TEXT, "地域別"},
        {IDT_ARRIVAL, "着払い"},         {IDT_SEPARATOR, "／"},        {IDT_REGION1, "本州%s"},
        {IDT_REGION2, "北海道%s"},       {IDT_REGION3, "沖縄%s"},      {IDT_BRACKETS, "[%s]"},
        {IDT_PAY_ON_DELIVERY, "着払い"}, {IDT_PREPAID, "Prepaid"},     {IDT_NONSTANDARD, "定形外"},
        {IDT_YUMAIL, "ゆうメール"},      {IDT_CARRIER, "ヤマト"},      {IDT_NAME_VALUE, "%s:%s"},
        {IDT_NAME_LINK, "%s<%s>"},       {IDT_SERVICE1, "ネコポス"},   {IDT_SERVICE2, "宅急便"},
        {IDT_SERVICE3, "はこBOON"},      {IDT_SERVICE4, "ゆうパック"}, {IDS_YEN, "円"},
        {IDS_OSAKA, "大阪府"},           {IDS_TOKYO, "東京都"},
    });
}

#define REQUIRE_SHIPPING_STRINGS()                                                                           \
    if (!EnsureShippingStrings())                                                                            \
    GTEST_SKIP() << "the string table lacks the shipping test texts"

#endif // TANZO_TESTS_AUCTION_SHIPPINGTESTSTRINGS_H
