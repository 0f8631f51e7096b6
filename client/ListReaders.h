#ifndef TANZO_CLIENT_LISTREADERS_H
#define TANZO_CLIENT_LISTREADERS_H

#include "client/MyAuctionListReader.h"

// The four lists of the user's status pages. Selling lies on the
// open-list host, the others on the closed-list host.

class CSellingListReader : public CMyAuctionListReader
{
public:
    using CMyAuctionListReader::CMyAuctionListReader;

    // The selling list has no end of its own: it reads every row.
    void SetTimeLimit(const CTime& limit) override;
    void GetListUrl(CString& out) const override;
    int ClassifyLinkParam(const CString& name, const CString& value) override;
    BOOL IsHighlightEnabled() const override;
    // Marks the paid options a row shows (featured, bold, highlight).
    void SetItemFlags(TanzoAuctionItem& item, DWORD flags) override;
    // The rows with a background colour from the table's header on (the
    // first row that links to the selling list).
    BOOL ExtractRows(CHtmlDocument& page, CPtrList& rows) override;

protected:
    const ListPageKind& GetKind() const override;
};

class CWonListReader : public CMyAuctionListReader
{
public:
    using CMyAuctionListReader::CMyAuctionListReader;

    void GetListUrl(CString& out) const override;
    int ClassifyLinkParam(const CString& name, const CString& value) override;
    BOOL ExtractRows(CHtmlDocument& page, CPtrList& rows) override;

protected:
    const ListPageKind& GetKind() const override;
};

// The two closed lists, told apart by their "hasWinner" parameter.
class CMyAuctionClosedListReader : public CMyAuctionListReader
{
public:
    // Link-check bits.
    enum : DWORD
    {
        LinkSelectMatched = 0x1,
        LinkHasWinnerMatched = 0x2
    };

    explicit CMyAuctionClosedListReader(CHttpComm* pHttpComm = nullptr, CProgressSink* pSink = nullptr)
        : CMyAuctionListReader(pHttpComm, pSink), m_linkBits(0)
    {
    }

    void GetListUrl(CString& out) const override;
    void ResetLinkState() override;
    int ClassifyLinkParam(const CString& name, const CString& value) override;
    BOOL ExtractRows(CHtmlDocument& page, CPtrList& rows) override;
    // "1" with a winner, "0" without.
    virtual LPCTSTR GetHasWinnerValue() const = 0;

private:
    DWORD m_linkBits;
};

class CClosedWinnerListReader : public CMyAuctionClosedListReader
{
public:
    using CMyAuctionClosedListReader::CMyAuctionClosedListReader;

    LPCTSTR GetHasWinnerValue() const override { return "1"; }

protected:
    const ListPageKind& GetKind() const override;
};

class CClosedNoWinnerListReader : public CMyAuctionClosedListReader
{
public:
    using CMyAuctionClosedListReader::CMyAuctionClosedListReader;

    LPCTSTR GetHasWinnerValue() const override { return "0"; }

protected:
    const ListPageKind& GetKind() const override;
};

// The rows of a closed or won list's form: "tr" elements below it that
// have a "style" or "bgcolor", or a child whose class is "auc_del_style".
void CollectFormRows(CMarkupNode* form, CPtrList& rows);

#endif // TANZO_CLIENT_LISTREADERS_H
