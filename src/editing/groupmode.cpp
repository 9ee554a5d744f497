#include "editing/groupmode.h"

#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/panelview.h"
#include "editing/hittest.h"
#include "editing/undolist.h"

namespace zorvan {

namespace {

const QString kMixedColumnsMessage = QStringLiteral("Grouped menu items must be in the same column.");

QRectF TextUnion(const Editor &editor, const ColumnRow &strip)
{
    QRectF united;
    for (const QRectF &text : editor.render().textScreenRects.at(strip.column, strip.row))
        if (!text.isEmpty())
            united = united.isEmpty() ? text : united.united(text);
    return united;
}

} // namespace

void LeaveGroupMode(Editor &editor)
{
    editor.modes().group = false;
    editor.group().members.clear();
    editor.services().panel.setEnabled(ctl::SpaceGroupEvenly, false);
}

bool GroupModeClick(Editor &editor, const QPoint &point, bool shift)
{
    EditModes &modes = editor.modes();
    if (shift && !modes.group) {
        if (modes.anyStripMode()) {
            modes.clearStripModes();
            editor.RefreshPreview();
        }
        modes.group = true;
        editor.group().members.clear();
        editor.services().panel.setEnabled(ctl::SpaceGroupEvenly, false);
        editor.SetStatus(kStatusGroup);
    } else if (!shift && modes.group) {
        LeaveGroupMode(editor);
        editor.RefreshPreview();
    }
    if (modes.group && !modes.anyStripMode()) {
        AddToGroup(editor, point);
        return true;
    }
    return false;
}

void AddToGroup(Editor &editor, const QPoint &point)
{
    StripGroup &group = editor.group();
    const ColumnRow hit = HitTestText(editor.document(), editor.render(), point).strip;
    for (const GroupItem &item : group.members)
        if (item.strip.row == hit.row)
            return;
    if (hit.isNone()) {
        group.members.clear();
        editor.RefreshPreview();
        return;
    }
    const QRectF united = TextUnion(editor, hit);
    if (group.members.empty()) {
        group.column = hit.column;
    } else if (hit.column != group.column) {
        editor.services().dialogs.message(kMixedColumnsMessage);
        group.members.clear();
        editor.RefreshPreview();
        return;
    } else {
        editor.services().panel.setEnabled(ctl::SpaceGroupEvenly, true);
    }
    group.members.push_back({hit, united});
}

std::vector<double> EvenSpacingShifts(const std::vector<GroupItem> &items)
{
    const size_t n = items.size();
    std::vector<double> shifts(n, 0.0);
    if (n < 3)
        return shifts;
    const QRectF &first = items.front().textUnion;
    const QRectF &last = items.back().textUnion;
    double total = 0.0;
    for (const GroupItem &item : items)
        total += item.textUnion.height();
    const double gap = (last.y() + last.height() - first.y() - total) / double(n - 1);
    double next = first.y() + first.height();
    for (size_t i = 1; i + 1 < n; ++i) {
        const double wanted = next + gap;
        shifts[i] = wanted - items[i].textUnion.y();
        next = wanted + items[i].textUnion.height();
    }
    return shifts;
}

void SpaceGroupEvenly(Editor &editor)
{
    MenuData &doc = editor.document();
    const std::vector<GroupItem> items = editor.group().members;
    const std::vector<double> shifts = EvenSpacingShifts(items);
    // Only strips still on the grid move; the first of them heads the chain
    // of undo entries, so that the chain never reaches into older entries.
    bool chained = false;
    for (size_t i = 1; i + 1 < items.size(); ++i) {
        const ColumnRow &strip = items[i].strip;
        if (!doc.inGrid(strip.column, strip.row))
            continue;
        const double cellHeight = editor.render().cellGrid.at(strip.column, strip.row).height();
        if (cellHeight <= 0)
            continue;
        PushUndoEntry(editor, strip, chained ? kUndoEntryChained : kUndoEntryAlone);
        chained = true;
        doc.strip(strip.column, strip.row).YOffsetFactor += shifts[i] / cellHeight;
        doc.Modified = true;
    }
    LeaveGroupMode(editor);
    editor.render().erasePending = true;
    editor.RefreshPreview();
    editor.SetStatus(kStatusIdle);
}

} // namespace zorvan
