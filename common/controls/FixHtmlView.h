#ifndef TANZO_CONTROLS_FIXHTMLVIEW_H
#define TANZO_CONTROLS_FIXHTMLVIEW_H

// CFixHtmlView: the browser view with the navigation the program uses:
// post data given as a text, and pages stored as resources of the program
// (Windows builds).

#include "afx/HtmlView.h"

class CFixHtmlView : public CHtmlView
{
    DECLARE_DYNCREATE(CFixHtmlView)
public:
    // Post data, when given, is dwPostLength bytes, or the whole text when
    // dwPostLength is 0. FALSE without the control.
    virtual BOOL Navigate(LPCTSTR lpszURL, DWORD dwFlags = 0, LPCTSTR lpszTargetFrameName = nullptr,
                          LPCTSTR lpszHeaders = nullptr, LPCVOID lpvPostData = nullptr,
                          DWORD dwPostLength = 0);
    // Goes to "res://<module of the program's resources>/<id>"; FALSE when
    // the module's path cannot be read.
    BOOL NavigateResource(UINT nResourceId);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

#endif // TANZO_CONTROLS_FIXHTMLVIEW_H
