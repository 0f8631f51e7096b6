// Document templates: making documents, frames and views.
#include "afx/DocTemplate.h"

#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/StringTable.h"
#include "afx/View.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (!m_strDocStrings.IsEmpty())
        return;
    char buf[1024];
    int n = AfxLoadString(m_nIDResource, buf, sizeof(buf));
    if (n > 0)
        m_strDocStrings = CString(buf, n);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    return AfxExtractSubString(rString, m_strDocStrings, (int)index);
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    CObject* pObject = m_pDocClass->CreateObject();
    CDocument* pDocument = dynamic_cast<CDocument*>(pObject);
    if (pDocument == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (m_pFrameClass == nullptr)
        return nullptr;
    CObject* pObject = m_pFrameClass->CreateObject();
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (pFrame == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    // A frame that fails deletes itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos != nullptr;)
    {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    // Each document destroys its frames and views, which keep what they
    // keep on destruction, at the end of a session too.
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
        pos = GetFirstDocPosition();
        if (pos != nullptr && GetNextDoc(pos) == pDoc)
            break; // a document that stays (not auto-deleted)
        pos = GetFirstDocPosition();
    }
}

// ---------------------------------------------------------------------------
// CSingleDocTemplate

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    // A document still open (its windows are gone) is deleted with the
    // template that made it.
    if (m_pOnlyDoc != nullptr)
    {
        CDocument* pDoc = m_pOnlyDoc;
        m_pOnlyDoc = nullptr;
        RemoveDocument(pDoc);
        delete pDoc;
    }
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    m_pOnlyDoc = pDoc;
    CDocTemplate::AddDocument(pDoc);
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
    CDocTemplate::RemoveDocument(pDoc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? (POSITION)1 : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == (POSITION)1 ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (!GetDocString(strDocName, docName) || strDocName.IsEmpty())
    {
        char buf[256];
        int n = AfxLoadString(AFX_IDS_UNTITLED, buf, sizeof(buf));
        strDocName = n > 0 ? CString(buf, n) : CString("無題");
    }
    pDocument->SetTitle(strDocName);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;
    BOOL bWasModified = FALSE;

    if (m_pOnlyDoc != nullptr)
    {
        // The one document is reused: it may close first.
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified())
            return nullptr;
        POSITION pos = pDocument->GetFirstViewPosition();
        if (pos != nullptr)
            pFrame = pDocument->GetNextView(pos)->GetParentFrame();
    }
    else
    {
        pDocument = CreateNewDocument();
        if (pDocument == nullptr)
            return nullptr;
        bCreated = TRUE;
    }

    if (pFrame == nullptr)
    {
        // The frame's views must not close the document while it is made.
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr)
        {
            if (bCreated)
                delete pDocument;
            return nullptr;
        }
    }

    if (lpszPathName == nullptr)
    {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bAutoDelete = FALSE;
        if (!pDocument->OnNewDocument())
        {
            if (bCreated)
                pFrame->DestroyWindow(); // the document goes with its last view
            return nullptr;
        }
    }
    else
    {
        bWasModified = pDocument->IsModified();
        pDocument->SetModifiedFlag(FALSE);
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            if (bCreated)
                pFrame->DestroyWindow();
            else if (!pDocument->IsModified())
                pDocument->SetModifiedFlag(bWasModified);
            else
            {
                // The old contents are gone: start a new document.
                SetDefaultTitle(pDocument);
                pDocument->OnNewDocument();
            }
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    CWinApp* pApp = AfxGetApp();
    if (bCreated && pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
