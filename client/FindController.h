#ifndef TANZO_CLIENT_FINDCONTROLLER_H
#define TANZO_CLIENT_FINDCONTROLLER_H

// CFindController: the search of a list's rows behind Ctrl+F, F3 and
// Shift+F3. It remembers the text searched for; its owner says what is
// searched (FindText) and where the result is told (ShowFindStatus).

#include "afx/String.h"
#include "afx/wintypes.h"

class COptionSettings;
class CWnd;

class CFindController
{
public:
    enum
    {
        ModeAsk = 0,      // ask for the text, search from the first row
        ModePrevious = 1, // the remembered text upwards from the selection
        ModeNext = 2      // the same downwards
    };

    CFindController() = default;
    virtual ~CFindController();

    // TRUE when a row was found. nStartRow -1: from the current row on.
    virtual BOOL FindText(LPCTSTR lpszText, BOOL bMatchCase, BOOL bUpward, int nStartRow) = 0;
    virtual void ShowFindStatus(LPCTSTR lpszText);

    // Asks for a new text.
    BOOL Find(CWnd* pParent = nullptr);
    // The remembered text again; asks when there is none.
    BOOL FindAgain(BOOL bUpward, CWnd* pParent = nullptr);
    BOOL Run(int nMode, CWnd* pParent);

    const CString& GetSearchText() const { return m_strSearch; }
    // The options that hold the match-case choice; without them the search
    // ignores case and the choice is not kept.
    void SetOptions(COptionSettings* pOptions) { m_pOptions = pOptions; }

protected:
    // The find dialog: FALSE when cancelled, else the text and the choice.
    virtual BOOL AskSearchText(CWnd* pParent, CString& strText, BOOL& bMatchCase);
    virtual void Beep();
    virtual COptionSettings* GetOptions() { return m_pOptions; }

private:
    CString m_strSearch;
    COptionSettings* m_pOptions = nullptr;

    CFindController(const CFindController&) = delete;
    CFindController& operator=(const CFindController&) = delete;
};

#endif // TANZO_CLIENT_FINDCONTROLLER_H
