#include "support/WindowDriver.h"

#include <gtest/gtest.h>

void PumpMessages()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

MainDialogFixture::MainDialogFixture()
{
    EXPECT_TRUE(dialog.Create(nullptr));
    PumpMessages();
}

MainDialogFixture::~MainDialogFixture()
{
    if (dialog.m_hWnd != nullptr)
        ::DestroyWindow(dialog.m_hWnd);
    PumpMessages();
}

void MainDialogFixture::Command(UINT id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpMessages();
}

std::vector<ListRow> MainDialogFixture::Rows() const
{
    std::vector<ListRow> rows;
    for (int i = 0; i < dialog.m_list.GetItemCount(); ++i)
        rows.push_back({dialog.m_list.GetItemText(i, 0).str(), dialog.m_list.GetItemText(i, 1).str(),
                        dialog.m_list.GetItemData(i)});
    return rows;
}

void MainDialogFixture::AddRow(const std::string& path, const std::string& hotKey)
{
    const int row = dialog.m_list.InsertItem(LVIF_TEXT, dialog.m_list.GetItemCount(), path.c_str());
    dialog.m_list.SetItemData(row, row);
    dialog.m_list.SetItemText(row, 1, hotKey.c_str());
    dialog.m_icons.Add(0);
}
