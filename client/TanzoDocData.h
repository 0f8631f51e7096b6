#ifndef TANZO_CLIENT_TANZODOCDATA_H
#define TANZO_CLIENT_TANZODOCDATA_H

#include "afx/Map.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/accounts/UserAccountList.h"
#include "client/DataSetFiles.h"

class CArchive;
class CDataFileSystem;
class CException;
class CTanzoTemplateList;
class CTemplateStringItem;
class TanzoAuctionItemUserEdit;

// What the client's document keeps for the run, without its windows: the
// user's IDs (it is the account list), the user's own data on items by
// auction ID, the three sets of text templates and the page position of
// each of the four item lists. The data sets live in four files below the
// user-data folder, each read on its first use and written back only when
// changed: when the view closes, and for the user data also when the
// current user changes.
//
// A file that exists, or may exist, but cannot be read (another type, a
// newer version, a read error, a file the system cannot tell about) is
// never written over in the run: its set is told as not saved instead,
// once. So are the records of a user ID that names no folder.
class CTanzoDocData : public CUserAccountList
{
public:
    enum
    {
        ListKindCount = 4,
        MaxTemplates = 20
    };

    CTanzoDocData();
    ~CTanzoDocData() override;

    // Data sets.
    void EnsureDataSetLoaded(int set);
    // Reading always reads; writing writes a modified set only.
    BOOL TransferDataSet(int set, BOOL bSave);
    BOOL SerializeDataFile(BOOL bSave, int set);
    void SetSetFlags(DWORD bits) { m_setFlags |= bits; }
    DWORD TestSetFlags(DWORD bits) const { return m_setFlags & bits; }
    void ClearSetFlags(DWORD bits) { m_setFlags &= ~bits; }
    // The file of a set could not be read in this run.
    BOOL IsUnreadable(int set) const;

    // Where the sets lie: the user-data folder (for set 3 the folder of
    // userID, else of the current user). FALSE when there is none.
    virtual BOOL GetDataFolder(CString& out, int set, LPCTSTR userID);
    BOOL GetDataFilePath(CString& out, int set);

    // The user's records of items (set 3).
    void StoreUserEdit(const TanzoAuctionItemUserEdit& record);
    BOOL LookupUserEdit(TanzoAuctionItemUserEdit& record);
    BOOL RemoveUserEdit(LPCTSTR auctionID);
    int GetUserEditCount();

    // Templates of sets 0 to 2.
    int GetTemplateCount(int set);
    // Appends a copy unless the set holds 20 already; the set is marked
    // modified either way.
    void AddTemplate(int set, const CTemplateStringItem* source);
    void RemoveAllTemplates(int set);
    // Copies template index into out; FALSE outside the set.
    BOOL GetTemplate(int set, int index, CTemplateStringItem& out);

    // Page positions of the four list kinds, for the run only; a current
    // page of 0 means all pages were read.
    void SetCurrentPage(int kind, int page);
    int GetCurrentPage(int kind) const;
    void SetPageCount(int kind, int count);
    int GetPageCount(int kind) const;
    // The first of ten page numbers around the current page.
    int GetFirstPageChoice(int kind) const;

    // Account list: the data follow the current user, and a removed
    // account's folder goes with it.
    void SetCurrentUserID(LPCTSTR id) override;
    BOOL RemoveAt(int index) override;

    // Empties the user data and sets every page position to 1; the
    // templates stay.
    virtual void DeleteContents();

    void SetFileSystem(CDataFileSystem* pFileSystem);

protected:
    // The user-data folder; FALSE when it cannot be found (told to the
    // user by whoever looks for it).
    virtual BOOL GetUserDataRoot(CString& out) = 0;

private:
    CTanzoDocData(const CTanzoDocData&) = delete;
    CTanzoDocData& operator=(const CTanzoDocData&) = delete;

    typedef CTypedPtrMap<CMapStringToPtr, CString, TanzoAuctionItemUserEdit*> CUserEditMap;

    void SerializeSet(CArchive& ar, int set, DWORD version);
    void SerializeUserEdits(CArchive& ar, DWORD version);
    void PurgeStaleUserEdits();
    void RemoveAllUserEdits();
    // The set's list, made when missing; null for another set.
    CTanzoTemplateList* TemplateList(int set);
    // The same, loaded.
    CTanzoTemplateList* LoadedTemplateList(int set);
    BOOL ReadDataFile(int set, const CString& path);
    BOOL WriteDataFile(int set, const CString& path);
    // The reason an exception gives, on one line.
    static CString ReasonOf(CException* e);
    void ReportFailure(UINT nIDFormat, const CString& reason);
    // The set is not read and must not be written in the run; the reason
    // on one line.
    void MarkUnreadable(int set, const CString& reason);
    // The set's not being saved, told once.
    void TellUnsaved(int set);

    DWORD m_setFlags;
    CUserEditMap m_userEdits;
    int m_currentPage[ListKindCount];
    int m_pageCount[ListKindCount];
    CTanzoTemplateList* m_templates[TemplateSetCount];
    // Per set: its file could not be read, the reason, and whether its not
    // being saved was told.
    DWORD m_unreadable;
    DWORD m_unsavedTold;
    CString m_unreadableReason[DataSetCount];
    CDataFileSystem* m_pFileSystem;
};

#endif // TANZO_CLIENT_TANZODOCDATA_H
