#include "resultlist/RowIcons.h"

#include "framework/Com.h"
#include "shell/ShellLink.h"

HICON CRowIcons::operator[](int slot) const
{
    return slot >= 0 && slot < GetSize() ? m_slots[static_cast<size_t>(slot)].icon : nullptr;
}

bool CRowIcons::IsPending(int slot) const
{
    return slot >= 0 && slot < GetSize() && m_slots[static_cast<size_t>(slot)].request != nullptr;
}

void CRowIcons::Add(std::optional<CIconRequest> icon)
{
    m_slots.emplace_back();
    if (icon)
        m_slots.back().request = std::make_unique<CIconRequest>(std::move(*icon));
}

void CRowIcons::Find(const std::vector<int>& slots, HWND owner)
{
    const CComInit com;
    if (!com.Succeeded())
        return;
    if (!m_resolver)
        m_resolver = std::make_unique<CSurveyIconResolver>(owner);
    const CComPtr<IClassFactory> linkClass = ShellLinkClass();
    for (int slot : slots)
        if (IsPending(slot))
            Keep(slot, m_resolver->IconOf(*m_slots[static_cast<size_t>(slot)].request, linkClass.Get()));
    m_resolver->ReleaseShellObjects();
}

void CRowIcons::Keep(int slot, HICON icon)
{
    Slot& kept = m_slots[static_cast<size_t>(slot)];
    kept.icon = icon;
    kept.request.reset();
    if (icon != nullptr)
        m_owned.try_emplace(icon, icon);
}

void CRowIcons::Clear()
{
    m_owned.clear();
    std::vector<Slot>().swap(m_slots);
    m_resolver.reset();
}
