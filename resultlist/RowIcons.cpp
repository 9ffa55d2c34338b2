#include "resultlist/RowIcons.h"

HICON CRowIcons::operator[](int slot) const
{
    return slot >= 0 && slot < GetSize() ? m_slots[static_cast<size_t>(slot)] : nullptr;
}

void CRowIcons::Add(HICON icon)
{
    m_slots.push_back(icon);
    if (icon != nullptr)
        m_owned.emplace_back(icon);
}

void CRowIcons::Clear()
{
    std::vector<CScopedIcon>().swap(m_owned);
    std::vector<HICON>().swap(m_slots);
}
