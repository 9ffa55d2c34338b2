// CDialog: a dialog from a template, run modally (or created modeless), with
// data exchange and one dialog procedure that feeds the derived class's
// typed message table.
#pragma once

#include <windows.h>

#include "framework/MessageTable.h"
#include "framework/Wnd.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
};

// Binds a control of the dialog to a control object (non-owning).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Moves text between an edit control and a string.
void DDX_Text(CDataExchange* pDX, int id, CString& value);

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* parent);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; the result of EndDialog, or -1.
    INT_PTR DoModal();
    // Creates the dialog modeless (for driving it from tests and tools).
    BOOL Create(HWND parent);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    BOOL EndDialog(int result) const { return ::EndDialog(m_hWnd, result); }

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // The derived class's message table. False passes the message on to the
    // dialog manager's default handling: a message left alone, or one whose
    // handler's own work comes first and the default after it.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleDefaults(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void CenterIfUnplaced(const RECT& before) const;

    UINT m_nIDTemplate;
    HWND m_hWndParent;
};
