#include "support/Driving.h"

void PumpMessages()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void AddRowWithoutIcon(CSurveyDlg& dialog, const std::string& path, const std::string& hotKeyText)
{
    CSurveyDlgProbe::List(dialog).AddRow(path.c_str(), hotKeyText.c_str(), nullptr);
}
