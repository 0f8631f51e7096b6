#ifndef TANZO_AFX_DOCUMENT_H
#define TANZO_AFX_DOCUMENT_H

// CDocument: the data of a document with its views (Windows builds). Its
// template creates it; OnCloseDocument destroys the frames that show it
// and deletes it (m_bAutoDelete). Commands that the active view does not
// handle reach the document, then its template.

#include "afx/CmdTarget.h"
#include "afx/Collections.h"
#include "afx/String.h"

class CArchive;
class CDocTemplate;
class CException;
class CFile;
class CFileException;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    virtual POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    virtual CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    virtual void OnChangedViewList();
    // Updates the titles of the frames that show the document.
    virtual void UpdateFrameCounts();

    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    // Loads through Serialize; errors are reported to the user.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Destroys the frames of the views, empties the document and deletes
    // it when m_bAutoDelete.
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);

    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Asks whether to save a modified document: TRUE to go on (saved or
    // let go), FALSE when the user cancelled or saving failed.
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;

protected:
    virtual CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AFX_DOCUMENT_H
