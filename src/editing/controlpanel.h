#pragma once

#include "editing/editmode.h"

namespace zorvan {

class PanelView;

// The panel-state operations: which groups of controls are enabled, shown,
// checked and how they are labelled as the edit mode changes. They work on
// the panel view only, so they behave the same with and without widgets.
class ControlPanel {
public:
    explicit ControlPanel(PanelView &view) : m_view(view) {}

    PanelView &view() { return m_view; }

    void SetEditingControls(bool on);
    void SetPanelAfterLoading();
    void SetPaletteEnabled(bool on);
    void SetOutputCommands(bool on);
    void ShowMoveSizeControls(const EditModes &modes);
    // templateHasPicture: whether the style template strip carries a picture.
    void SetTextEditControls(bool on, bool templateHasPicture);
    void SetPictureControls(bool on);
    void SetPictureAdjustButtons(bool on);
    void UpdatePanButtons(bool on, int cropPercentageX, int cropPercentageY);
    void SetLineSpacingControls(bool on);

    // Number read-outs beside the spacing and size buttons.
    void ShowTabSpacing(double factor);
    void ShowCaloriesSpacing(double factor);
    void ShowSize(double value, bool backgroundMode);

    // A click on one box of an exclusive pair has already toggled it; the
    // partner takes the opposite state. Returns false for other ids.
    bool FollowExclusivePair(int clickedId);

    // "Micro" checked, "Macro" cleared.
    void ResetIncrement();

private:
    void enable(std::initializer_list<int> ids, bool on);

    PanelView &m_view;
};

} // namespace zorvan
