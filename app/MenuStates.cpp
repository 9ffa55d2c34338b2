// The menus' check marks and greyed items, set as a popup opens.
#include "app/SurveyDlg.h"

// Sets check marks and greyed states of whatever popup is opening.
void CSurveyDlg::OnInitMenuPopup(CMenu* popup, UINT /*index*/, BOOL /*isSystemMenu*/)
{
    popup->CheckMenuItem(ID_VIEW_FULL_PATH, m_list.GetFullPath() == 1 ? MF_CHECKED : MF_UNCHECKED);
    popup->CheckMenuItem(ID_VIEW_SHOW_UNASSIGNED, m_bShowUnassigned == 1 ? MF_CHECKED : MF_UNCHECKED);
    popup->EnableMenuItem(ID_EDIT_SET_HOTKEY, m_list.GetSelectedCount() == 1 ? MF_ENABLED : MF_GRAYED);
    const UINT copy = m_list.GetItemCount() > 0 ? MF_ENABLED : MF_GRAYED;
    popup->EnableMenuItem(ID_EDIT_COPY_TEXT, copy);
    popup->EnableMenuItem(ID_EDIT_COPY_CSV, copy);
}
