#include "editing/memorypanel.h"

#include "editing/controltable.h"

namespace zorvan {

ControlState InitialControlState(int id)
{
    ControlState state;
    if (const ControlSpec *entry = FindControl(id)) {
        state.enabled = entry->enabled;
        state.visible = entry->visible;
        if (entry->kind != ControlKind::TextBox && entry->kind != ControlKind::DropList)
            state.caption = entry->caption;
    }
    return state;
}

MemoryPanel::MemoryPanel()
{
    for (const ControlSpec &entry : ControlTable())
        if (FindControl(entry.id))
            m_controls[entry.id] = InitialControlState(entry.id);
}

void MemoryPanel::setEnabled(int id, bool enabled)
{
    if (auto it = m_controls.find(id); it != m_controls.end())
        it->second.enabled = enabled;
}

void MemoryPanel::setVisible(int id, bool visible)
{
    if (auto it = m_controls.find(id); it != m_controls.end())
        it->second.visible = visible;
}

void MemoryPanel::setChecked(int id, bool checked)
{
    if (auto it = m_controls.find(id); it != m_controls.end())
        it->second.checked = checked;
}

void MemoryPanel::setCaption(int id, const QString &caption)
{
    if (auto it = m_controls.find(id); it != m_controls.end())
        it->second.caption = caption;
}

void MemoryPanel::setText(int id, const QString &text)
{
    if (auto it = m_controls.find(id); it != m_controls.end())
        it->second.text = text;
    m_selections.erase(id);
}

void MemoryPanel::setCurrentIndex(int id, int index)
{
    if (auto it = m_controls.find(id); it != m_controls.end())
        it->second.currentIndex = index;
}

ControlState MemoryPanel::state(int id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? ControlState{} : it->second;
}

} // namespace zorvan
