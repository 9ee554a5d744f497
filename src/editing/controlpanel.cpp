#include "editing/controlpanel.h"

#include "editing/controlids.h"
#include "editing/panelview.h"

namespace zorvan {

using namespace ctl;

void ControlPanel::enable(std::initializer_list<int> ids, bool on)
{
    for (int id : ids)
        m_view.setEnabled(id, on);
}

void ControlPanel::ResetIncrement()
{
    m_view.setChecked(Micro, true);
    m_view.setChecked(Macro, false);
}

void ControlPanel::SetEditingControls(bool on)
{
    enable({FrameLabel, FrameList, LoadPicture, SizeUp, SizeDown, MoveUp, MoveLeft, MoveRight, MoveDown,
            LineSpacingDown, LineSpacingUp, CenterText, LineSpacingLabel, MainItemLabel, SubItemLabel,
            PricesLabel, MoveGroup, MainItemBox, SubItemBox, PricesBox, IncrementGroup, Micro, Macro, SizeGroup,
            TabInstructions, TabSpacingLabel, TabSpacingDown, TabSpacingValue, TabSpacingUp, CalSpacingLabel,
            CalSpacingDown, CalSpacingValue, CalSpacingUp, SizeLeft, SizeRight},
           on);
    SetOutputCommands(on);
    SetPaletteEnabled(on);
    ResetIncrement();
    SetPictureAdjustButtons(false);
    enable({DeleteStrip, DeletePicture, AllText, SelectedText, TextToMoveGroup}, false);
}

void ControlPanel::SetPanelAfterLoading()
{
    SetEditingControls(true);
    SetPaletteEnabled(false);
    enable({CenterText, EditStripBackground, FrameLabel, FrameList, SizeLeft, SizeRight, SizeValue}, false);
}

void ControlPanel::SetPaletteEnabled(bool on)
{
    m_view.setEnabled(Palette, on);
    m_view.redrawPalette();
}

void ControlPanel::SetOutputCommands(bool on)
{
    enable({SaveLayout, Print, WhitePrint}, on);
}

void ControlPanel::ShowMoveSizeControls(const EditModes &modes)
{
    const auto moveSizeButtons = {MoveUp, MoveLeft, MoveRight, MoveDown, SizeUp, SizeDown};
    if (modes.text) {
        m_view.setCaption(MoveGroup, QStringLiteral("Move Text"));
        m_view.setEnabled(MoveGroup, true);
        enable(moveSizeButtons, true);
        m_view.setVisible(SizeLeft, false);
        m_view.setVisible(SizeRight, false);
        m_view.setCaption(SizeGroup, QStringLiteral("Size Text"));
    } else if (modes.picture || modes.background) {
        enable(moveSizeButtons, true);
        for (int id : {SizeLeft, SizeRight}) {
            m_view.setVisible(id, true);
            m_view.setEnabled(id, true);
        }
        m_view.setCaption(SizeGroup, modes.picture ? QStringLiteral("Size Picture") : QStringLiteral("Size Bgnd"));
        m_view.setCaption(MoveGroup, modes.picture ? QStringLiteral("Move Picture") : QStringLiteral("Move Bgnd"));
        m_view.setEnabled(MoveGroup, true);
    } else {
        enable(moveSizeButtons, false);
        m_view.setVisible(SizeLeft, false);
        m_view.setVisible(SizeRight, false);
        enable({IncrementGroup, Micro, Macro}, false);
        ResetIncrement();
        m_view.setCaption(SizeGroup, QStringLiteral("Size Text"));
        m_view.setCaption(MoveGroup, QStringLiteral("Move Text"));
        enable({SizeGroup, MoveGroup}, false);
    }
}

void ControlPanel::SetTextEditControls(bool on, bool templateHasPicture)
{
    enable({MoveGroup, MoveUp, MoveLeft, MoveRight, MoveDown, SizeUp, SizeDown, SizeGroup, IncrementGroup, Micro,
            Macro},
           on);
    m_view.setEnabled(LoadPicture, false);
    ResetIncrement();
    m_view.setVisible(SizeValue, on);
    if (on)
        m_view.setEnabled(SizeValue, true);
    SetPaletteEnabled(on);
    m_view.setEnabled(CenterText, on);
    if (!templateHasPicture)
        m_view.setEnabled(EditStripBackground, on);
    SetPictureAdjustButtons(false);
}

void ControlPanel::SetPictureControls(bool on)
{
    enable({EditPictureGroup, LoadPicture}, on);
    SetPictureAdjustButtons(on);
    enable({FrameLabel, FrameList, DeletePicture}, on);
}

void ControlPanel::SetPictureAdjustButtons(bool on)
{
    enable({BrightnessLabel, BrightnessPlus, BrightnessMinus, ZoomLabel, ZoomPlus, ZoomMinus, FullLabel, HorizLabel,
            HorizPlus, HorizMinus, VertLabel, VertPlus, VertMinus, PanLabel, PanUp, PanDown, PanLeft, PanRight},
           on);
}

void ControlPanel::UpdatePanButtons(bool on, int cropPercentageX, int cropPercentageY)
{
    // A picture shown whole in one direction has nothing to pan to in it.
    m_view.setEnabled(PanLabel, on);
    enable({PanLeft, PanRight}, on && cropPercentageX < 100);
    enable({PanUp, PanDown}, on && cropPercentageY < 100);
}

void ControlPanel::SetLineSpacingControls(bool on)
{
    enable({LineSpacingLabel, LineSpacingDown, LineSpacingUp}, on);
}

void ControlPanel::ShowTabSpacing(double factor)
{
    m_view.setCaption(TabSpacingValue, QString::asprintf("%0.1f", factor));
}

void ControlPanel::ShowCaloriesSpacing(double factor)
{
    m_view.setCaption(CalSpacingValue, QString::asprintf("%0.1f", factor));
}

void ControlPanel::ShowSize(double value, bool backgroundMode)
{
    m_view.setCaption(SizeValue, QString::asprintf(backgroundMode ? "%0.2f" : "%0.1f", value));
}

bool ControlPanel::FollowExclusivePair(int clickedId)
{
    int partner = 0;
    switch (clickedId) {
    case SelectedText: partner = AllText; break;
    case AllText: partner = SelectedText; break;
    case Micro: partner = Macro; break;
    case Macro: partner = Micro; break;
    default: return false;
    }
    m_view.setChecked(partner, !m_view.isChecked(clickedId));
    return true;
}

} // namespace zorvan
