// Edit > copy: the result list to the clipboard as aligned text or as CSV.
#include "app/SurveyDlg.h"
#include "export/ClipboardExport.h"
#include "framework/App.h"

// Edit > copy: column-aligned text. A clipboard held elsewhere is left alone.
void CSurveyDlg::OnEditCopyText()
{
    BeginWaitCursor();
    CopyListToClipboard(m_hWnd, m_list, false);
    EndWaitCursor();
}

// Edit > copy as CSV: one "name,hotkey" line per row.
void CSurveyDlg::OnEditCopyCsv()
{
    BeginWaitCursor();
    CopyListToClipboard(m_hWnd, m_list, true);
    EndWaitCursor();
}
