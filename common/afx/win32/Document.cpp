// CDocument: views, loading and saving, closing.
#include "afx/Document.h"

#include "afx/Archive.h"
#include "afx/DocTemplate.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/FrameWnd.h"
#include "afx/MessageBox.h"
#include "afx/StringTable.h"
#include "afx/View.h"
#include "afx/WinApp.h"

#include <commdlg.h>
#include <string>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace
{
// Prompt ids a program's string table may give its own texts for.
const UINT kIdpAskToSave = 0xF10C;
const UINT kIdpFailedToOpen = 0xF104;
const UINT kIdpFailedToSave = 0xF105;

CString PromptText(UINT nID, LPCTSTR lpszBuiltIn)
{
    char buf[512];
    int n = AfxLoadString(nID, buf, sizeof(buf));
    return n > 0 ? CString(buf, n) : CString(lpszBuiltIn);
}
} // namespace

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views that outlive the document no longer point at it.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
    m_viewList.RemoveAll();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL)
{
    m_strPathName = lpszPathName;
    // The title is the file's name.
    CString strName = m_strPathName;
    int nSlash = strName.ReverseFind('\\');
    if (strName.ReverseFind('/') > nSlash)
        nSlash = strName.ReverseFind('/');
    SetTitle(strName.Mid(nSlash + 1));
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr || m_viewList.Find(pView) != nullptr)
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    // A document whose last view goes closes itself.
    if (m_bAutoDelete && m_viewList.IsEmpty())
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;)
    {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
            pFrame->DelayUpdateFrameTitle();
    }
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
    {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, kIdpFailedToOpen);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag();
    try
    {
        CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        Serialize(loadArchive);
        loadArchive.Close();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, kIdpFailedToOpen);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile =
        GetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == nullptr)
    {
        ReportSaveLoadException(lpszPathName, &fe, TRUE, kIdpFailedToSave);
        return FALSE;
    }
    try
    {
        CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
        Serialize(saveArchive);
        saveArchive.Close();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        // No half-written file is left behind.
        ::DeleteFileA(lpszPathName);
        ReportSaveLoadException(lpszPathName, e, TRUE, kIdpFailedToSave);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return; // already reported
    char szMessage[512] = {};
    CString strPrompt;
    if (e != nullptr && e->GetErrorMessage(szMessage, sizeof(szMessage)) && szMessage[0] != '\0')
        strPrompt = szMessage;
    else
    {
        strPrompt =
            PromptText(nIDPDefault, bSaving ? "%1 を保存できませんでした。" : "%1 を開けませんでした。");
        CString strText;
        strText.FormatMessage(strPrompt, lpszPathName != nullptr ? lpszPathName : "");
        strPrompt = strText;
    }
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

void CDocument::OnCloseDocument()
{
    // Destroying the last view would close the document again.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
            pView->DestroyWindow();
        // A view that did not leave the list with its window is let go.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Only the document's last frame asks to save.
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;)
    {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName;
    if (strName.IsEmpty())
        strName = m_strTitle;
    if (strName.IsEmpty())
        strName = PromptText(AFX_IDS_UNTITLED, "無題");
    CString strPrompt;
    strPrompt.FormatMessage(PromptText(kIdpAskToSave, "%1 への変更を保存しますか？"), (LPCTSTR)strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL, kIdpAskToSave))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() ||
        (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY) != 0))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName;
    if (strNewName.IsEmpty())
    {
        // Ask for a name, starting from the title with the template's
        // extension.
        char szFile[MAX_PATH] = {};
        CString strExt;
        CString strFilter;
        if (m_pDocTemplate != nullptr)
        {
            m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt);
            CString strFilterName;
            m_pDocTemplate->GetDocString(strFilterName, CDocTemplate::filterName);
            if (!strFilterName.IsEmpty() && !strExt.IsEmpty())
                strFilter = strFilterName + '\n' + "*" + strExt + '\n';
        }
        ::lstrcpynA(szFile, m_strTitle, MAX_PATH);
        std::string filter(strFilter, strFilter.GetLength());
        for (char& c : filter)
            if (c == '\n')
                c = '\0';
        filter.push_back('\0');
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = AfxGetMainWnd()->GetSafeHwnd();
        ofn.lpstrFilter = strFilter.IsEmpty() ? nullptr : filter.c_str();
        ofn.lpstrFile = szFile;
        ofn.nMaxFile = MAX_PATH;
        ofn.lpstrDefExt = strExt.IsEmpty() ? nullptr : (LPCTSTR)strExt + 1;
        ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        if (!::GetSaveFileNameA(&ofn))
            return FALSE;
        strNewName = szFile;
    }
    if (!OnSaveDocument(strNewName))
        return FALSE;
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
