#include "editing/panelview.h"

#include "editing/controltable.h"

namespace zorvan {

QRect PanelView::controlRect(int id) const
{
    const ControlSpec *spec = FindControl(id);
    return spec ? DialogUnits{}.rect(spec->dialogRect) : QRect();
}

} // namespace zorvan
