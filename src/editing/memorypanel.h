#pragma once

#include "editing/panelview.h"

#include <map>

namespace zorvan {

// A panel without widgets: every control of the control table in its state
// at creation. Lets the editor run, and be checked, without a display.
class MemoryPanel : public PanelView {
public:
    MemoryPanel();

    void setEnabled(int id, bool enabled) override;
    void setVisible(int id, bool visible) override;
    void setChecked(int id, bool checked) override;
    void setCaption(int id, const QString &caption) override;
    void setText(int id, const QString &text) override;
    void setCurrentIndex(int id, int index) override;
    ControlState state(int id) const override;
    void redrawPalette() override { ++m_paletteRedraws; }

    int paletteRedraws() const { return m_paletteRedraws; }

private:
    std::map<int, ControlState> m_controls;
    int m_paletteRedraws = 0;
};

// The state each control of the table has when the window creates it.
ControlState InitialControlState(int id);

} // namespace zorvan
