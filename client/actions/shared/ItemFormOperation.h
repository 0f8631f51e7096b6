#ifndef TANZO_CLIENT_ACTIONS_ITEMFORMOPERATION_H
#define TANZO_CLIENT_ACTIONS_ITEMFORMOPERATION_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/TanzoOperation.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "text/BitFlags.h"

class CAuctionListingForm;
class CCallbackSink;
class CMarkupNode;

// A job that edits items through the seller's listing form: it reads the
// service's form as a browser would post it, writes the settings and the
// item's own edits into it, judges the completion page and words the
// service's errors.
class CItemFormOperation : public CTanzoOperation
{
public:
    // Results of ReadListingForm.
    enum
    {
        ReadDone = 0,
        ReadNoForm = 1,
        ReadFailed = 2 // told to the user
    };
    // Results of CheckSubmitResult.
    enum
    {
        SubmitSucceeded = 0,
        SubmitServiceError = 1, // the message holds the service's text
        SubmitAnnouncement = 2, // told to the user
        SubmitUnknown = 3
    };
    // Bits of the form flags.
    enum : DWORD
    {
        formNewStyle = 0x1 // the form carries the shipping-service inputs
    };

    // pSettings: the listing settings the job writes into each form, the
    // caller's; null writes none. pagePath: the form page's path on the
    // sell host.
    CItemFormOperation(CCallbackSink* pSettings, LPCTSTR pagePath, CHttpComm* pHttpComm = nullptr,
                       CProgressSink* pSink = nullptr);
    ~CItemFormOperation() override;

    // Each item's outcome is told while the job runs.
    void ReportResult(BOOL bOk) override;

    // Whether the runner shows the job's counter in its caption.
    virtual BOOL ShowsCounter() const;
    // The item's form page; FALSE without an auction ID.
    virtual BOOL BuildItemUrl(const AuctionItem& item, CString& out);
    // The texts of which one is on a completion page.
    virtual void GetSuccessTexts(CStringList& texts);
    // The service's error text on the current page; TRUE when there is one.
    virtual BOOL GetErrorMessage(CString& out);

    // Fills form from the current page's listing form (pFormElement, or
    // the one found on the page) and gives its action resolved. Outside
    // the edit mode the settings and pItem's edits are written into it.
    int ReadListingForm(CAuctionListingForm& form, CString& actionUrl, BOOL bEditMode, AuctionItem* pItem,
                        CMarkupNode* pFormElement);
    // Judges the page that answered the final post; message gets what the
    // user must be told (on success too, when the title came back wrong).
    int CheckSubmitResult(CString& message);
    // Message 672 with the service's text (bServerText set), else string nID.
    void FormatFailure(UINT nID, CString& text, BOOL& bServerText);
    // The service's text as its error, else string nID.
    void ReportFailure(UINT nID);
    // While the final post's charset is known, its diagnostics.
    void AppendDiagnostics(CString& text);

    CCallbackSink* GetSettings() const { return m_pSettings; }
    BOOL IsNewStyleForm() const { return m_formFlags.TestAny(formNewStyle) != 0; }
    // The client's option bits that the job follows (the cash-on-delivery
    // question); all of them unless the caller gives the user's.
    void SetOptionBits(DWORD dwBits) { m_dwOptionBits = dwBits; }

protected:
    // The item's final post (SendFinalPost), with its charset and title
    // kept while it is judged. FALSE when no answer came: the user has
    // been told, and nothing is kept.
    BOOL PostFinal(LPCTSTR url, CAuctionListingForm& form, const AuctionItem& item);
    void ForgetFinalPost();

    CStringList m_successTexts;
    CCallbackSink* m_pSettings;
    int m_nSentCharset;
    CString m_strExpectedTitle;
    CBitFlagsEx m_formFlags;
    CString m_strPagePath;
    DWORD m_dwOptionBits;
};

#endif // TANZO_CLIENT_ACTIONS_ITEMFORMOPERATION_H
