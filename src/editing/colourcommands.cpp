#include "editing/colourcommands.h"

#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/panelview.h"
#include "editing/stripfitting.h"
#include "editing/stripmodes.h"
#include "editing/textstripfit.h"

namespace zorvan {

PaletteCells EditorPaletteCells(const Editor &editor)
{
    return PaletteCellRects(editor.services().panel.controlRect(ctl::Palette));
}

void PaintPalette(QPainter &painter, const Editor &editor)
{
    DrawPalette(painter, EditorPaletteCells(editor), editor.services().panel.isEnabled(ctl::Palette),
                editor.selection().activeColourIndex);
}

void ShowColourInPalette(Editor &editor, Colour colour, bool background)
{
    editor.selection().activeColourIndex = PaletteIndexOf(colour);
    editor.services().panel.redrawPalette();
    editor.services().panel.setCaption(ctl::Palette, (background ? QStringLiteral("Bgnd Color: ")
                                                                 : QStringLiteral("Text Color: ")) +
                                                         ColourCaptionName(colour));
}

void PickColour(Editor &editor, int index)
{
    if (index < 0 || index >= kPaletteSize)
        return;
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    const Colour value = PaletteEntries()[size_t(index)].value;
    doc.Modified = true;
    sel.activeColourIndex = index;

    if (editor.modes().background) {
        const ColumnRow strip = sel.backgroundEditStrip;
        if (!doc.inGrid(strip.column, strip.row))
            return;
        doc.strip(strip.column, strip.row).BackGroundColor = value;
        doc.StyleTemplate.BackGroundColor = value;
        // Without a fill the box would be invisible and lose track of its texts: it shrinks round them.
        if (IsBareStrip(doc, strip))
            sel.backgroundEditStrip = FitStripBoxToText(doc, editor.render(), strip, FitOrder::HorizontalFirst);
        editor.RefreshPreview();
        ShowColourInPalette(editor, value, true);
        return;
    }
    if (!editor.modes().text || index == 0)
        return;
    const ColumnRow strip = sel.textEditStrip;
    const int item = sel.editedTextItem;
    if (!doc.inGrid(strip.column, strip.row) || item < 0 || item >= kTextItemCount)
        return;
    doc.strip(strip.column, strip.row).block(item).TextColor = value;
    doc.StyleTemplate.block(item).TextColor = value;
    sel.currentTextColour = value;
    editor.render().currentTextColour = value;
    editor.RefreshPreview();
    ShowColourInPalette(editor, value, false);
}

void ToggleCenterInStrip(Editor &editor)
{
    if (!editor.modes().text)
        return;
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    const int item = sel.editedTextItem;
    if (item < 0 || item >= kTextItemCount)
        return;
    doc.Modified = true;
    doc.StyleTemplate.block(item).CenterInStrip = editor.services().panel.isChecked(ctl::CenterText);
    ApplyStyleTemplate(editor);
    FitTextEditStrip(editor, FitHalves::VerticalOnly);
    if (sel.lastFocusedBox != 0)
        editor.services().panel.setFocus(sel.lastFocusedBox);
    ShowTextReadouts(editor);
}

} // namespace zorvan
