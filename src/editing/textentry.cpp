#include "editing/textentry.h"

#include "editing/colourcommands.h"
#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/panelview.h"
#include "editing/pricerules.h"
#include "editing/stripmodes.h"
#include "editing/textstripfit.h"
#include "editing/textstyling.h"
#include "editing/undolist.h"

namespace zorvan {

using namespace ctl;

namespace {

const QChar kCaretMarker = QLatin1Char('~');

// The prices box rules, before its text is used; the box is corrected when they change anything.
QString AcceptPricesText(Editor &editor, const QString &typed)
{
    editor.document().StyleTemplate.PricesTextParams.Text.remove(kCaretMarker);
    const PriceEntry entry = CorrectPriceEntry(typed);
    if (entry.reload) {
        PanelView &panel = editor.services().panel;
        panel.setText(PricesBox, entry.text);
        if (entry.caretToPriceCaret) {
            const int caret = std::min(editor.selection().priceCaretPosition, int(entry.text.size()));
            panel.setTextSelection(PricesBox, caret, caret);
        } else if (entry.caret >= 0) {
            panel.setTextSelection(PricesBox, entry.caret, entry.caret);
        }
    }
    return entry.text;
}

void ChangeInTextMode(Editor &editor, int k, const QString &typed)
{
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    StripData &style = doc.StyleTemplate;
    doc.Modified = true;
    bool wasEmpty = style.block(k).Text.isEmpty();
    if (k == Prices)
        wasEmpty = wasEmpty && style.PricesTextParams.ScaleFactor == 1.0;
    const QString text = k == Prices ? AcceptPricesText(editor, typed) : typed;
    style.block(k).Text = text;
    if (wasEmpty)
        BorrowSiblingStyle(style, k, sel.enteredTextItem, editor.render(), sel.textEditStrip);

    // An emptied block keeps one blank, and so its place and outline, until Text mode is left.
    QString &stored = style.block(k).Text;
    if (stored.isEmpty())
        stored = QStringLiteral(" ");
    else if (stored.size() > 1 && stored.front() == QLatin1Char(' '))
        stored.remove(0, 1);

    sel.currentTextColour = style.block(k).TextColor;
    editor.render().currentTextColour = sel.currentTextColour;
    ApplyStyleTemplate(editor);
    FitTextEditStrip(editor, FitHalves::VerticalFirst);
    // A line break typed or removed decides whether the block's line spacing can be changed.
    UpdateLineSpacingControls(editor);
}

void ChangeInBoxMode(Editor &editor, int k, const QString &typed)
{
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    EditModes &modes = editor.modes();
    PanelView &panel = editor.services().panel;
    doc.Modified = true;
    const QString text = k == Prices ? AcceptPricesText(editor, typed) : typed;
    const ColumnRow strip = modes.picture ? sel.pictureEditStrip : sel.backgroundEditStrip;
    if (!doc.inGrid(strip.column, strip.row))
        return;
    StripData &s = doc.strip(strip.column, strip.row);
    const bool wasEmpty = s.block(k).Text.isEmpty();
    // The entry made when the strip was selected still holds it unchanged: the text edit takes its place.
    DropUnchangedUndoEntry(editor, strip);
    PushUndoEntry(editor, strip);

    sel.textEditStrip = strip;
    s.block(k).Text = text;
    if (wasEmpty)
        StyleNewBlock(s, k);
    doc.StyleTemplate = s;
    sel.hitTextItem = k;
    sel.enteredTextItem = k;
    sel.editedTextItem = k;

    ControlPanel &controls = editor.panel();
    panel.setEnabled(LoadPicture, false);
    for (int id : {DeleteStrip, DeletePicture})
        panel.setEnabled(id, true);
    for (int id : {AllText, SelectedText, TextToMoveGroup})
        panel.setEnabled(id, false);
    modes.clearStripModes();
    modes.text = true;
    editor.SetStatus(kStatusText);
    controls.ShowMoveSizeControls(modes);
    controls.SetPictureAdjustButtons(false);
    controls.SetPictureControls(false);
    controls.SetLineSpacingControls(false);
    controls.SetTextEditControls(true, !s.SubImageFileName.isEmpty());
    UpdateLineSpacingControls(editor);
    ShowTextReadouts(editor);
    sel.currentTextColour = s.block(k).TextColor;
    editor.render().currentTextColour = sel.currentTextColour;
    ShowColourInPalette(editor, sel.currentTextColour, false);
    panel.setVisible(SizeLeft, false);
    panel.setVisible(SizeRight, false);
    ApplyStyleTemplate(editor);
}

} // namespace

int TextItemOfBox(int id)
{
    switch (id) {
    case MainItemBox: return MainItem;
    case SubItemBox: return SubItems;
    case PricesBox: return Prices;
    }
    return -1;
}

void OnTextChanged(Editor &editor, int textItem)
{
    if (textItem < 0 || textItem >= kTextItemCount)
        return;
    PanelView &panel = editor.services().panel;
    const int box = TextBoxOf(textItem);
    const QString typed = panel.text(box);
    const EditModes &modes = editor.modes();
    if (modes.text) {
        ChangeInTextMode(editor, textItem, typed);
    } else if (modes.picture || modes.background) {
        ChangeInBoxMode(editor, textItem, typed);
    } else if (!typed.isEmpty()) {
        // Nothing can be typed without a selection.
        panel.setText(box, QString());
    }
}

void ShowActiveBlock(Editor &editor, int textItem)
{
    PanelView &panel = editor.services().panel;
    const int labels[kTextItemCount] = {MainItemActive, SubItemActive, PricesActive};
    for (int k = 0; k < kTextItemCount; ++k)
        panel.setVisible(labels[k], k == textItem);
    Selection &sel = editor.selection();
    if (editor.modes().text && sel.hitTextItem != textItem) {
        sel.hitTextItem = textItem;
        editor.RefreshPreview();
        UpdateLineSpacingControls(editor);
    }
}

void OnTextBoxFocus(Editor &editor, int textItem)
{
    if (textItem < 0 || textItem >= kTextItemCount)
        return;
    Selection &sel = editor.selection();
    const StripData &style = editor.document().StyleTemplate;
    sel.lastFocusedBox = TextBoxOf(textItem);
    sel.editedTextItem = textItem;
    ShowActiveBlock(editor, textItem);
    ShowTextReadouts(editor);
    sel.currentTextColour = style.block(textItem).TextColor;
    editor.render().currentTextColour = sel.currentTextColour;
    // Outside Text mode the palette marks the selected box's fill, which a click there would change.
    if (editor.modes().text) {
        ShowColourInPalette(editor, sel.currentTextColour, false);
        editor.services().window.repaintPreview();
    }
}

void OnTextBoxBlur(Editor &editor, int textItem)
{
    if (textItem == Prices)
        editor.document().StyleTemplate.PricesTextParams.Text.remove(kCaretMarker);
}

void RegisterTextEntryCommands(Editor &editor)
{
    for (int id : {MainItemBox, SubItemBox, PricesBox})
        editor.commands().add(id, [&editor](const CommandEvent &event) { OnTextChanged(editor, TextItemOfBox(event.id)); });
}

} // namespace zorvan
