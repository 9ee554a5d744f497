#include "editing/stripmodes.h"

#include "assets/pictureadjustments.h"
#include "editing/colourcommands.h"
#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/panelview.h"
#include "editing/pricecaret.h"
#include "editing/undolist.h"

namespace zorvan {

using namespace ctl;

namespace {

const QString kEmptyBlockMarker = QStringLiteral("[]");
const QChar kCaretMarker = QLatin1Char('~');

bool ValidStrip(const Editor &editor, const ColumnRow &strip)
{
    return editor.document().inGrid(strip.column, strip.row);
}

// A strip's texts in the three boxes.
void FillTextBoxes(PanelView &panel, const StripData &strip)
{
    for (int k = 0; k < kTextItemCount; ++k)
        panel.setText(TextBoxOf(k), strip.block(k).Text);
}

void EnableAll(PanelView &panel, std::initializer_list<int> ids, bool on)
{
    for (int id : ids)
        panel.setEnabled(id, on);
}

// The size arrows of the picture and strip-box modes, both directions.
void ShowBoxSizeControls(PanelView &panel)
{
    for (int id : {SizeUp, SizeDown, SizeLeft, SizeRight}) {
        panel.setVisible(id, true);
        panel.setEnabled(id, true);
    }
    panel.setVisible(SizeGroup, true);
    panel.setEnabled(SizeGroup, true);
    EnableAll(panel, {IncrementGroup, Micro, Macro}, true);
}

// A picture shown whole along an axis has nothing to pan to along it.
void ShowPanButtonsForCrop(Editor &editor, const StripData &strip)
{
    if (strip.SubImageCropPercentageX >= 100 || strip.SubImageCropPercentageY >= 100)
        editor.panel().UpdatePanButtons(PanControlsFor(strip).label, strip.SubImageCropPercentageX,
                                        strip.SubImageCropPercentageY);
}

// The shared tail of leaving the picture and strip-box modes.
void LeaveBoxMode(Editor &editor, const ColumnRow &strip)
{
    PanelView &panel = editor.services().panel;
    editor.document().Modified = true;
    DropUnchangedUndoEntry(editor, strip);
    EnableAll(panel, {LoadPicture, DeleteStrip, DeletePicture, AllText, SelectedText, TextToMoveGroup}, false);
}

} // namespace

int TextBoxOf(int textItem)
{
    switch (textItem) {
    case MainItem: return MainItemBox;
    case SubItems: return SubItemBox;
    case Prices: return PricesBox;
    }
    return 0;
}

bool IsBareStrip(const MenuData &doc, const ColumnRow &strip)
{
    if (!doc.inGrid(strip.column, strip.row))
        return false;
    const StripData &s = doc.strip(strip.column, strip.row);
    return s.BackGroundColor == kNoColour && s.SubImageFileName.isEmpty();
}

void RemovePriceCaretMarkers(MenuData &doc)
{
    for (int c = 0; c < doc.NumberOfColumns && c < kMaxColumns; ++c)
        for (int r = 0; r < doc.NumberOfRows && r < kMaxRows; ++r)
            doc.strip(c, r).PricesTextParams.Text.remove(kCaretMarker);
}

void UpdateLineSpacingControls(Editor &editor)
{
    const int box = TextBoxOf(editor.selection().hitTextItem);
    const bool multiLine = box != 0 && editor.services().panel.text(box).contains(QStringLiteral("\r\n"));
    editor.panel().SetLineSpacingControls(multiLine);
}

void ShowTextReadouts(Editor &editor)
{
    const StripData &style = editor.document().StyleTemplate;
    const int item = editor.selection().editedTextItem;
    ControlPanel &panel = editor.panel();
    panel.ShowTabSpacing(style.PriceTabSpacingFactor);
    panel.ShowCaloriesSpacing(style.CaloriesSpacingFactor);
    if (item >= 0 && item < kTextItemCount) {
        panel.ShowSize(style.block(item).ScaleFactor, false);
        editor.services().panel.setChecked(CenterText, style.block(item).CenterInStrip);
    }
}

void EnterTextMode(Editor &editor, const ColumnRow &strip, int textItem, const QPoint &clickPoint)
{
    if (!ValidStrip(editor, strip))
        return;
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    PanelView &panel = editor.services().panel;

    doc.Modified = true;
    panel.setChecked(AllText, false);
    panel.setChecked(SelectedText, true);
    if (textItem == Prices)
        RemovePriceCaretMarkers(doc);

    doc.StyleTemplate = doc.strip(strip.column, strip.row);
    StripData &style = doc.StyleTemplate;
    PushUndoEntry(editor, strip);
    sel.enteredTextItem = textItem;

    EnableAll(panel, {DeleteStrip, AllText, SelectedText, TextToMoveGroup}, true);
    editor.panel().SetPictureControls(false);
    FillTextBoxes(panel, style);

    // "[]" holds an emptied block's place in the file; the box shows it empty until the user types.
    const int item = textItem == SubItems || textItem == Prices ? textItem : MainItem;
    const TextParams &block = style.block(item);
    if ((textItem == MainItem || textItem == SubItems || textItem == Prices) && block.Text == kEmptyBlockMarker)
        panel.setText(TextBoxOf(item), QString());
    sel.currentTextColour = block.TextColor;
    editor.render().currentTextColour = block.TextColor;
    sel.currentFontName = block.Font;
    if (item == Prices) {
        panel.setCaption(HelpVideos, QStringLiteral("Edit Price Help Video"));
        if (style.PricesTextParams.Text.contains(kCaretMarker)) {
            style.PricesTextParams.Text.remove(kCaretMarker);
            panel.setText(PricesBox, style.PricesTextParams.Text == kEmptyBlockMarker ? QString()
                                                                                       : style.PricesTextParams.Text);
        }
        editor.RefreshPreview();
        PlacePriceCaret(editor, strip, clickPoint);
    } else {
        sel.editedTextItem = item;
        panel.setFocus(TextBoxOf(item));
    }

    editor.modes().clearStripModes();
    editor.modes().text = true;
    editor.SetStatus(kStatusText);
    ShowColourInPalette(editor, sel.currentTextColour, false);

    sel.textEditStrip = strip;
    editor.services().window.repaintPreview();
    editor.panel().SetTextEditControls(true, !style.SubImageFileName.isEmpty());
    panel.setCurrentIndex(FrameList, -1);
    UpdateLineSpacingControls(editor);
    ShowTextReadouts(editor);
    panel.setEnabled(LoadPicture, true);
}

void LeaveTextMode(Editor &editor)
{
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    PanelView &panel = editor.services().panel;
    const ColumnRow strip = sel.textEditStrip;

    doc.Modified = true;
    editor.modes().text = false;
    editor.SetStatus(kStatusIdleAfterText);
    if (doc.StyleTemplate.SubImageFileName.isEmpty())
        sel.leftTextWithoutPicture = true;
    DropUnchangedUndoEntry(editor, strip);
    EnableAll(panel, {DeleteStrip, DeletePicture, AllText, SelectedText, TextToMoveGroup}, false);

    doc.ResetStyleTemplate();
    if (ValidStrip(editor, strip))
        doc.strip(strip.column, strip.row).PricesTextParams.Text.remove(kCaretMarker);
    editor.RefreshPreview();
    FillTextBoxes(panel, doc.StyleTemplate);

    // A block the user emptied down to its last blank goes away with its outline.
    if (ValidStrip(editor, strip)) {
        for (int k = 0; k < kTextItemCount; ++k) {
            QString &text = doc.strip(strip.column, strip.row).block(k).Text;
            if (text == QLatin1String(" ")) {
                text.clear();
                editor.render().textScreenRects.at(strip.column, strip.row)[size_t(k)] = QRectF();
            }
        }
    }

    editor.panel().SetTextEditControls(false, !doc.StyleTemplate.SubImageFileName.isEmpty());
    editor.panel().SetLineSpacingControls(false);
    editor.panel().ShowMoveSizeControls(editor.modes());
}

void EnterPictureMode(Editor &editor, const ColumnRow &strip)
{
    if (!ValidStrip(editor, strip))
        return;
    const StripData &data = editor.document().strip(strip.column, strip.row);
    PanelView &panel = editor.services().panel;
    EditModes &modes = editor.modes();

    modes.clearStripModes();
    modes.picture = true;
    editor.SetStatus(kStatusPicture);
    PushUndoEntry(editor, strip);
    editor.selection().pictureEditStrip = strip;
    FillTextBoxes(panel, data);
    panel.setFocus(MainItemBox);
    editor.services().window.repaintPreview();

    EnableAll(panel, {LoadPicture, DeleteStrip, DeletePicture}, true);
    ShowBoxSizeControls(panel);
    panel.setCaption(FrameLabel, QStringLiteral("Picture Frame"));
    panel.setCurrentIndex(FrameList, data.SubImageFrameIndex);
    editor.panel().ResetIncrement();
    editor.panel().SetPictureControls(true);
    if (data.SubImageFileName.contains(QLatin1String(".gif")))
        EnableAll(panel, {BrightnessLabel, BrightnessPlus, BrightnessMinus}, false);
    ShowPanButtonsForCrop(editor, data);
    editor.panel().ShowMoveSizeControls(modes);
    editor.panel().SetLineSpacingControls(false);
}

void EnterBackgroundMode(Editor &editor, const ColumnRow &strip)
{
    if (!ValidStrip(editor, strip))
        return;
    const StripData &data = editor.document().strip(strip.column, strip.row);
    PanelView &panel = editor.services().panel;
    EditModes &modes = editor.modes();

    modes.clearStripModes();
    modes.background = true;
    editor.SetStatus(kStatusBackground);
    editor.panel().ResetIncrement();
    PushUndoEntry(editor, strip);
    editor.selection().backgroundEditStrip = strip;
    editor.services().window.repaintPreview();

    ShowBoxSizeControls(panel);
    panel.setEnabled(DeleteStrip, true);
    EnableAll(panel, {FrameLabel, FrameList}, true);
    panel.setCaption(FrameLabel, QStringLiteral("Bgnd Frame"));
    panel.setCurrentIndex(FrameList, data.SubImageFrameIndex);
    panel.setVisible(SizeValue, false);
    editor.panel().SetPaletteEnabled(true);
    panel.setEnabled(LoadPicture, true);
    ShowColourInPalette(editor, data.BackGroundColor, true);
    editor.panel().ShowMoveSizeControls(modes);
    editor.panel().SetLineSpacingControls(false);
    EnableAll(panel, {CenterText, EditStripBackground, TextToMoveGroup, AllText, SelectedText}, false);
}

void LeavePictureMode(Editor &editor)
{
    LeaveBoxMode(editor, editor.selection().pictureEditStrip);
    editor.panel().SetPictureAdjustButtons(false);
    editor.panel().SetPictureControls(false);
    editor.modes().picture = false;
    editor.SetStatus(kStatusIdle);
    editor.RefreshPreview();
    editor.panel().ShowMoveSizeControls(editor.modes());
    editor.panel().SetLineSpacingControls(false);
}

void LeaveBackgroundMode(Editor &editor)
{
    LeaveBoxMode(editor, editor.selection().backgroundEditStrip);
    editor.modes().background = false;
    editor.SetStatus(kStatusIdle);
    editor.RefreshPreview();
    editor.panel().ShowMoveSizeControls(editor.modes());
    editor.panel().SetLineSpacingControls(false);
    editor.panel().SetPaletteEnabled(false);
}

void LeaveStripMode(Editor &editor)
{
    const EditModes &modes = editor.modes();
    if (modes.text)
        LeaveTextMode(editor);
    else if (modes.picture)
        LeavePictureMode(editor);
    else if (modes.background)
        LeaveBackgroundMode(editor);
}

void EditMenuItemBackground(Editor &editor)
{
    if (!editor.modes().text)
        return;
    const ColumnRow strip = editor.selection().textEditStrip;
    editor.modes().text = false;
    // The entry made for the text edit goes when nothing changed, so that one Undo is never spent on nothing.
    DropUnchangedUndoEntry(editor, strip);
    EnterBackgroundMode(editor, strip);
    editor.SetStatus(kStatusBackground);
}

void ApplyStyleTemplate(Editor &editor)
{
    if (!editor.modes().text)
        return;
    const ColumnRow strip = editor.selection().textEditStrip;
    if (!ValidStrip(editor, strip))
        return;
    editor.document().strip(strip.column, strip.row) = editor.document().StyleTemplate;
    editor.RefreshPreview();
}


void RegisterModeCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    table.add(ctl::EditStripBackground, [&editor](const CommandEvent &) { EditMenuItemBackground(editor); });
    table.add(ctl::CenterText, [&editor](const CommandEvent &) { ToggleCenterInStrip(editor); });
}

} // namespace zorvan
