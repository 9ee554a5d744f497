#include "editing/panelview.h"

#include "editing/controltable.h"

namespace zorvan {

QRect PanelView::controlRect(int id) const
{
    const ControlSpec *entry = FindControl(id);
    return entry ? DialogUnits{}.rect(entry->dialogRect) : QRect();
}

} // namespace zorvan
