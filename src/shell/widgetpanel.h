#pragma once

#include "editing/controltable.h"
#include "editing/panelview.h"

#include <functional>
#include <map>

class QWidget;

namespace zorvan {

// The panel's widgets, made from the control table and reached by control
// id. Every press, check and choice calls one callback with the control's
// id, so the command map sees all of them the same way.
class WidgetPanel : public PanelView {
public:
    using Pressed = std::function<void(int id)>;

    WidgetPanel(QWidget *parent, const DialogUnits &units, Pressed pressed);

    QWidget *widget(int id) const;
    // Ids of every control with an id, in table order.
    const std::vector<int> &ids() const { return m_ids; }
    // Places every control again for new base units.
    void layout(const DialogUnits &units);

    // A press as the user makes it: buttons are clicked, check boxes toggle
    // first, lists take the item. False with a reason when the control
    // cannot take it (unknown, hidden, disabled, wrong kind).
    bool press(int id, QString *why);
    bool choose(int id, int index, QString *why);

    void setEnabled(int id, bool enabled) override;
    void setVisible(int id, bool visible) override;
    void setChecked(int id, bool checked) override;
    void setCaption(int id, const QString &caption) override;
    void setText(int id, const QString &text) override;
    void setCurrentIndex(int id, int index) override;
    ControlState state(int id) const override;
    void redrawPalette() override;
    QRect controlRect(int id) const override;
    void setFocus(int id) override;
    int focusedControl() const override;
    void setTextSelection(int id, int start, int end) override;
    std::pair<int, int> textSelection(int id) const override;

private:
    QWidget *create(const ControlSpec &entry, QWidget *parent);
    bool usable(int id, QString *why) const;

    std::map<int, QWidget *> m_widgets;
    std::vector<std::pair<QWidget *, QRect>> m_placements; // every widget, with its dialog-unit rectangle
    std::vector<int> m_ids;
    Pressed m_pressed;
};

} // namespace zorvan
