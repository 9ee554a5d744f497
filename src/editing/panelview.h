#pragma once

#include <QRect>
#include <QString>

#include <map>
#include <utility>

namespace zorvan {

// The state of one control as the editor sees it.
struct ControlState {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    QString caption;   // label, button or group caption; a value label's value
    QString text;      // a text box's contents
    int currentIndex = -1; // a list's selection; -1 shows none

    friend bool operator==(const ControlState &, const ControlState &) = default;
};

// How the editor reaches the controls of its panel: by control id, never by
// widget. The window implements it over its widgets, tests over a table.
// Ids that name no control of the panel are ignored, and read as a default state.
class PanelView {
public:
    virtual ~PanelView() = default;

    virtual void setEnabled(int id, bool enabled) = 0;
    virtual void setVisible(int id, bool visible) = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual void setCaption(int id, const QString &caption) = 0;
    virtual void setText(int id, const QString &text) = 0;
    virtual void setCurrentIndex(int id, int index) = 0;

    virtual ControlState state(int id) const = 0;

    // The palette is drawn by the window into its group box.
    virtual void redrawPalette() {}

    // Where a control lies, in client coordinates of the main window; without
    // widgets, where the control table puts it with the default base units.
    virtual QRect controlRect(int id) const;
    // Keyboard focus among the text boxes; 0 when none of the panel's controls has it.
    virtual void setFocus(int id) { m_focus = id; }
    virtual int focusedControl() const { return m_focus; }
    // The selected characters of a text box, in its text with CR LF line ends;
    // start == end is the caret. After setText the caret is at the end.
    virtual void setTextSelection(int id, int start, int end) { m_selections[id] = {start, end}; }
    virtual std::pair<int, int> textSelection(int id) const
    {
        auto it = m_selections.find(id);
        if (it != m_selections.end())
            return it->second;
        const int length = int(text(id).size());
        return {length, length};
    }

    bool isEnabled(int id) const { return state(id).enabled; }
    bool isVisible(int id) const { return state(id).visible; }
    bool isChecked(int id) const { return state(id).checked; }
    QString caption(int id) const { return state(id).caption; }
    QString text(int id) const { return state(id).text; }

protected:
    std::map<int, std::pair<int, int>> m_selections;

private:
    int m_focus = 0;
};

} // namespace zorvan
