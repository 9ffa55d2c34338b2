// Edit > copy: the result list to the clipboard as aligned text or as CSV.
#include "app/SurveyDlg.h"
#include "export/Clipboard.h"
#include "export/ClipboardExport.h"
#include "framework/App.h"

// Edit > copy: column-aligned text. A clipboard held elsewhere is left alone.
void CSurveyDlg::OnEditCopyText()
{
    BeginWaitCursor();
    CopyTextToClipboard(m_hWnd, FormatAlignedText(CollectExportRows(m_list)).GetString());
    EndWaitCursor();
}

// Edit > copy as CSV: one "name,hotkey" line per row.
void CSurveyDlg::OnEditCopyCsv()
{
    BeginWaitCursor();
    CopyTextToClipboard(m_hWnd, FormatCsvText(CollectExportRows(m_list)).GetString());
    EndWaitCursor();
}
