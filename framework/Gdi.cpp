#include "framework/Gdi.h"

void CDC::FillSolidRect(const RECT& rect, COLORREF color) const
{
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

SIZE CDC::GetTextExtent(const CString& text) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, text.GetString(), text.GetLength(), &size);
    return size;
}

SIZE CDC::GetTextExtent(const std::wstring& text) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}
