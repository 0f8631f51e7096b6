#include "client/TanzoDocData.h"

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/MessageBox.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataFileSystem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoTemplateList.h"
#include "client/TextResourceIds.h"
#include "text/ArchiveCommException.h"
#include "text/MbcsString.h"
#include "text/PathUtil.h"

#include <memory>

namespace
{
// Enough for any reason a file error gives.
const UINT kReasonBytes = 256;
// The archive's buffer.
const int kArchiveBuffer = 4096;

DWORD SetBit(int set)
{
    return 1u << set;
}

BOOL IsListKind(int kind)
{
    return kind >= 0 && kind < CTanzoDocData::ListKindCount;
}
} // namespace

CTanzoDocData::CTanzoDocData()
    : m_setFlags(0), m_userEdits(10), m_unreadable(0), m_unsavedTold(0), m_pFileSystem(&GetDiskFileSystem())
{
    for (int kind = 0; kind < ListKindCount; ++kind)
        m_currentPage[kind] = m_pageCount[kind] = 1;
    for (int set = 0; set < TemplateSetCount; ++set)
        m_templates[set] = nullptr;
}

CTanzoDocData::~CTanzoDocData()
{
    RemoveAllUserEdits();
    for (int set = 0; set < TemplateSetCount; ++set)
        delete m_templates[set];
}

void CTanzoDocData::SetFileSystem(CDataFileSystem* pFileSystem)
{
    m_pFileSystem = pFileSystem != nullptr ? pFileSystem : &GetDiskFileSystem();
}

// ---- Data sets

void CTanzoDocData::EnsureDataSetLoaded(int set)
{
    const DataSetInfo* info = GetDataSetInfo(set);
    if (info == nullptr || TestSetFlags(info->loadedBit))
        return;
    // Marked loaded whatever the outcome, so that a failure is not repeated.
    SetSetFlags(info->loadedBit);
    TransferDataSet(set, FALSE);
}

BOOL CTanzoDocData::TransferDataSet(int set, BOOL bSave)
{
    const DataSetInfo* info = GetDataSetInfo(set);
    if (info == nullptr)
        return FALSE;
    if (bSave && !TestSetFlags(info->modifiedBit))
        return TRUE;
    return SerializeDataFile(bSave, set);
}

BOOL CTanzoDocData::SerializeDataFile(BOOL bSave, int set)
{
    if (GetDataSetInfo(set) == nullptr)
        return FALSE;
    CString path;
    if (!GetDataFilePath(path, set))
    {
        // An ID that names no folder of its own has no file: its records
        // are kept for the run only, which is told as for any set that
        // cannot be saved.
        const CString id = GetCurrentUserID();
        if (set == dataSetUserEdits && !id.IsEmpty() && !IsPlainFolderName(id))
        {
            CString reason;
            reason.LoadString(IDS_DATA_PATH_NOT_FOUND);
            MarkUnreadable(set, reason);
            if (bSave)
                TellUnsaved(set);
        }
        return FALSE;
    }
    return bSave ? WriteDataFile(set, path) : ReadDataFile(set, path);
}

BOOL CTanzoDocData::IsUnreadable(int set) const
{
    return GetDataSetInfo(set) != nullptr && (m_unreadable & SetBit(set)) != 0;
}

BOOL CTanzoDocData::GetDataFolder(CString& out, int set, LPCTSTR userID)
{
    out.Empty();
    if (GetDataSetInfo(set) == nullptr)
        return FALSE;
    CString root;
    if (!GetUserDataRoot(root))
        return FALSE;
    const CString current = GetCurrentUserID();
    return MakeDataFolder(root, set, userID != nullptr && *userID != '\0' ? userID : (LPCTSTR)current, out);
}

BOOL CTanzoDocData::GetDataFilePath(CString& out, int set)
{
    CString folder;
    if (!GetDataFolder(folder, set, nullptr))
    {
        out.Empty();
        return FALSE;
    }
    JoinPath(out, folder, GetDataSetInfo(set)->fileName);
    return TRUE;
}

CString CTanzoDocData::ReasonOf(CException* e)
{
    CString reason;
    if (e != nullptr)
    {
        LPTSTR buffer = reason.GetBuffer(kReasonBytes);
        if (!e->GetErrorMessage(buffer, kReasonBytes))
            buffer[0] = '\0';
        reason.ReleaseBuffer();
    }
    reason.Replace("\r\n", "");
    return reason;
}

void CTanzoDocData::ReportFailure(UINT nIDFormat, const CString& reason)
{
    CString text;
    text.FormatMessage(nIDFormat, (LPCTSTR)reason);
    AfxMessageBox(text, MB_OK);
}

void CTanzoDocData::MarkUnreadable(int set, const CString& reason)
{
    m_unreadable |= SetBit(set);
    m_unreadableReason[set] = reason;
    m_unreadableReason[set].Replace("\r\n", "");
}

void CTanzoDocData::TellUnsaved(int set)
{
    if ((m_unsavedTold & SetBit(set)) != 0)
        return;
    m_unsavedTold |= SetBit(set);
    ReportFailure(GetDataSetInfo(set)->idsSaveFailed, m_unreadableReason[set]);
}

BOOL CTanzoDocData::ReadDataFile(int set, const CString& path)
{
    const DataSetInfo* info = GetDataSetInfo(set);
    // Only a file the system says is not there is an empty set: one that
    // cannot even be asked about (access denied, a network error) may hold
    // the user's data, and whatever keeps it from being read keeps it from
    // being written over.
    CFileException error;
    switch (m_pFileSystem->QueryFile(path, &error))
    {
    case CDataFileSystem::fileMissing:
        return TRUE;
    case CDataFileSystem::fileUnknown:
        MarkUnreadable(set, ReasonOf(&error));
        return FALSE;
    default:
        break;
    }
    std::unique_ptr<CFile> file(m_pFileSystem->OpenForReading(path, &error));
    if (!file)
    {
        MarkUnreadable(set, ReasonOf(&error));
        return FALSE;
    }
    TRY
    {
        CArchive ar(file.get(), CArchive::load, kArchiveBuffer);
        CString typeName;
        ar >> typeName;
        if (typeName != info->typeName)
            ThrowArchiveCommException(ARCHIVE_COMM_OTHER_TYPE);
        DWORD version = 0;
        ar >> version;
        if (version > info->version)
            ThrowArchiveCommException(ARCHIVE_COMM_NEWER_VERSION);
        SerializeSet(ar, set, version);
        ar.Close();
        file->Close();
        return TRUE;
    }
    CATCH(CArchiveCommException, e)
    {
        file->Abort();
        CString text;
        text.LoadString(e->m_cause == ARCHIVE_COMM_OTHER_TYPE ? info->idsOtherType : info->idsNewerVersion);
        AfxMessageBox(text, MB_OK);
        MarkUnreadable(set, text);
    }
    AND_CATCH_ALL(e)
    {
        file->Abort();
        MarkUnreadable(set, ReasonOf(e));
        ReportFailure(info->idsReadFailed, m_unreadableReason[set]);
    }
    END_CATCH_ALL
    return FALSE;
}

BOOL CTanzoDocData::WriteDataFile(int set, const CString& path)
{
    const DataSetInfo* info = GetDataSetInfo(set);
    if (IsUnreadable(set))
    {
        TellUnsaved(set);
        return FALSE;
    }
    if (!m_pFileSystem->EnsureFolderOfFile(path))
    {
        AfxMessageBox(IDS_DATA_FOLDER_NOT_MADE, MB_OK);
        return FALSE;
    }
    CFileException error;
    CString tempPath;
    std::unique_ptr<CFile> file(m_pFileSystem->CreateTemporary(path, tempPath, &error));
    if (!file)
    {
        ReportFailure(info->idsSaveFailed, ReasonOf(&error));
        return FALSE;
    }
    TRY
    {
        {
            // Nothing buffered is written once something failed.
            CArchive ar(file.get(), CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBuffer);
            ar << CString(info->typeName);
            ar << info->version;
            SerializeSet(ar, set, info->version);
            ar.Close();
        }
        // A rename, write-through or not, does not wait for the data: on
        // the disk before the old file goes.
        file->Flush();
        file->Close();
        m_pFileSystem->Replace(tempPath, path);
        return TRUE;
    }
    CATCH_ALL(e)
    {
        file->Abort();
        m_pFileSystem->RemoveFile(tempPath);
        ReportFailure(info->idsSaveFailed, ReasonOf(e));
    }
    END_CATCH_ALL
    return FALSE;
}

void CTanzoDocData::SerializeSet(CArchive& ar, int set, DWORD version)
{
    if (set == dataSetUserEdits)
        SerializeUserEdits(ar, version);
    else
        TemplateList(set)->Serialize(ar, CTemplateStringItem::AllFields);
}

// ---- User data

void CTanzoDocData::SerializeUserEdits(CArchive& ar, DWORD version)
{
    if (ar.IsLoading())
    {
        RemoveAllUserEdits();
        DWORD count = 0;
        ar >> count;
        for (DWORD i = 0; i < count; ++i)
        {
            std::unique_ptr<TanzoAuctionItemUserEdit> record(new TanzoAuctionItemUserEdit);
            record->Serialize(ar, (int)version);
            // A later record of the same item replaces the earlier one.
            TanzoAuctionItemUserEdit*& pSlot = m_userEdits[record->GetAuctionID()];
            delete pSlot;
            pSlot = record.release();
        }
        return;
    }
    PurgeStaleUserEdits();
    ar << (DWORD)m_userEdits.GetCount();
    POSITION pos = m_userEdits.GetStartPosition();
    while (pos != nullptr)
    {
        CString id;
        TanzoAuctionItemUserEdit* pRecord = nullptr;
        m_userEdits.GetNextAssoc(pos, id, pRecord);
        pRecord->Serialize(ar, (int)version);
    }
}

void CTanzoDocData::PurgeStaleUserEdits()
{
    POSITION pos = m_userEdits.GetStartPosition();
    while (pos != nullptr)
    {
        CString id;
        TanzoAuctionItemUserEdit* pRecord = nullptr;
        m_userEdits.GetNextAssoc(pos, id, pRecord);
        if (!pRecord->IsRecent())
        {
            m_userEdits.RemoveKey(id);
            delete pRecord;
        }
    }
}

void CTanzoDocData::RemoveAllUserEdits()
{
    POSITION pos = m_userEdits.GetStartPosition();
    while (pos != nullptr)
    {
        CString id;
        TanzoAuctionItemUserEdit* pRecord = nullptr;
        m_userEdits.GetNextAssoc(pos, id, pRecord);
        delete pRecord;
    }
    m_userEdits.RemoveAll();
}

void CTanzoDocData::StoreUserEdit(const TanzoAuctionItemUserEdit& record)
{
    EnsureDataSetLoaded(dataSetUserEdits);
    const CString& id = record.GetAuctionID();
    if (id.IsEmpty())
        return;
    TanzoAuctionItemUserEdit* pStored = nullptr;
    const BOOL bStored = m_userEdits.Lookup(id, pStored);
    if (record.IsEmpty(TRUE))
    {
        if (bStored)
        {
            m_userEdits.RemoveKey(id);
            delete pStored;
        }
    }
    else if (bStored)
    {
        pStored->CopyFrom(record);
    }
    else
    {
        m_userEdits.SetAt(id, new TanzoAuctionItemUserEdit(record));
    }
    SetSetFlags(GetDataSetInfo(dataSetUserEdits)->modifiedBit);
}

BOOL CTanzoDocData::LookupUserEdit(TanzoAuctionItemUserEdit& record)
{
    EnsureDataSetLoaded(dataSetUserEdits);
    TanzoAuctionItemUserEdit* pStored = nullptr;
    if (record.GetAuctionID().IsEmpty() || !m_userEdits.Lookup(record.GetAuctionID(), pStored))
        return FALSE;
    record.CopyFrom(*pStored);
    return TRUE;
}

BOOL CTanzoDocData::RemoveUserEdit(LPCTSTR auctionID)
{
    EnsureDataSetLoaded(dataSetUserEdits);
    TanzoAuctionItemUserEdit* pStored = nullptr;
    if (auctionID == nullptr || *auctionID == '\0' || !m_userEdits.Lookup(auctionID, pStored))
        return FALSE;
    m_userEdits.RemoveKey(auctionID);
    delete pStored;
    SetSetFlags(GetDataSetInfo(dataSetUserEdits)->modifiedBit);
    return TRUE;
}

int CTanzoDocData::GetUserEditCount()
{
    EnsureDataSetLoaded(dataSetUserEdits);
    return m_userEdits.GetCount();
}

// ---- Templates

CTanzoTemplateList* CTanzoDocData::TemplateList(int set)
{
    if (set < 0 || set >= TemplateSetCount)
        return nullptr;
    if (m_templates[set] == nullptr)
        m_templates[set] = new CTanzoTemplateList(set);
    return m_templates[set];
}

CTanzoTemplateList* CTanzoDocData::LoadedTemplateList(int set)
{
    CTanzoTemplateList* pList = TemplateList(set);
    if (pList != nullptr)
        EnsureDataSetLoaded(set);
    return pList;
}

int CTanzoDocData::GetTemplateCount(int set)
{
    CTanzoTemplateList* pList = LoadedTemplateList(set);
    return pList != nullptr ? pList->GetCount() : 0;
}

void CTanzoDocData::AddTemplate(int set, const CTemplateStringItem* source)
{
    CTanzoTemplateList* pList = LoadedTemplateList(set);
    if (pList == nullptr)
        return;
    if (pList->GetCount() < MaxTemplates)
        pList->Append(pList->CreateItem(source));
    SetSetFlags(GetDataSetInfo(set)->modifiedBit);
}

void CTanzoDocData::RemoveAllTemplates(int set)
{
    CTanzoTemplateList* pList = LoadedTemplateList(set);
    if (pList == nullptr)
        return;
    pList->DeleteAll();
    SetSetFlags(GetDataSetInfo(set)->modifiedBit);
}

BOOL CTanzoDocData::GetTemplate(int set, int index, CTemplateStringItem& out)
{
    CTanzoTemplateList* pList = LoadedTemplateList(set);
    return pList != nullptr && pList->GetAt(index, out);
}

// ---- Page positions

void CTanzoDocData::SetCurrentPage(int kind, int page)
{
    if (IsListKind(kind))
        m_currentPage[kind] = page;
}

int CTanzoDocData::GetCurrentPage(int kind) const
{
    return IsListKind(kind) ? m_currentPage[kind] : 0;
}

void CTanzoDocData::SetPageCount(int kind, int count)
{
    if (IsListKind(kind))
        m_pageCount[kind] = count;
}

int CTanzoDocData::GetPageCount(int kind) const
{
    return IsListKind(kind) ? m_pageCount[kind] : 0;
}

int CTanzoDocData::GetFirstPageChoice(int kind) const
{
    const int current = GetCurrentPage(kind);
    const int count = GetPageCount(kind);
    if (current <= 0 || count <= 0)
        return 1;
    int first = current - 4;
    if (count - 9 < first)
        first = count - 9;
    return first < 1 ? 1 : first;
}

// ---- Account list

void CTanzoDocData::SetCurrentUserID(LPCTSTR id)
{
    if (id == nullptr)
        return;
    const CString current = GetCurrentUserID();
    if (!MbsEqualNoCase(id, current))
    {
        // The old user's records go into the old user's folder.
        if (!current.IsEmpty() && FindByID(current) >= 0)
            TransferDataSet(dataSetUserEdits, TRUE);
        DeleteContents();
    }
    CUserAccountList::SetCurrentUserID(id);
}

BOOL CTanzoDocData::RemoveAt(int index)
{
    CUserAccount account;
    if (!GetAt(index, account))
        return FALSE;
    // Only the account's own folder directly below the user-data folder;
    // an ID that names no such folder removes nothing.
    CString folder;
    if (IsPlainFolderName(account.GetID()) && GetDataFolder(folder, dataSetUserEdits, account.GetID()))
        m_pFileSystem->RemoveFolderTree(folder);
    // A removed current account is no longer in the list when the base
    // makes another one current, so its records are dropped unwritten.
    return CUserAccountList::RemoveAt(index);
}

void CTanzoDocData::DeleteContents()
{
    for (int kind = 0; kind < ListKindCount; ++kind)
        m_currentPage[kind] = m_pageCount[kind] = 1;
    RemoveAllUserEdits();
    const DataSetInfo* info = GetDataSetInfo(dataSetUserEdits);
    ClearSetFlags(info->loadedBit | info->modifiedBit);
    m_unreadable &= ~SetBit(dataSetUserEdits);
    m_unsavedTold &= ~SetBit(dataSetUserEdits);
    m_unreadableReason[dataSetUserEdits].Empty();
}
