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

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    DeleteObject();
    m_hRgn = ::CreateRectRgn(left, top, right, bottom);
    return m_hRgn != nullptr;
}

BOOL CRgn::DeleteObject()
{
    if (m_hRgn == nullptr)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hRgn);
    m_hRgn = nullptr;
    return deleted;
}
