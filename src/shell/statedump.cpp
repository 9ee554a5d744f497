#include "statedump.h"

#include "mainwindow.h"

#include "document/documentjson.h"
#include "editing/controlids.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace zorvan {

namespace {

QJsonArray Pair(const ColumnRow &strip)
{
    return QJsonArray{strip.column, strip.row};
}

// The document exactly as "zorvan dump" prints it.
QJsonObject DocumentObject(const MenuData &doc)
{
    const QString backgroundFileName = QFileInfo(doc.BackgroundPath).fileName();
    return QJsonDocument::fromJson(DocumentJson(doc, backgroundFileName)).object();
}

QJsonArray RectArray(const QRectF &r)
{
    return QJsonArray{r.x(), r.y(), r.width(), r.height()};
}

// The rectangles recorded by the last drawing, for every strip of the grid
// in use, named as "zorvan dump --rects" names them.
QJsonArray RectsJson(const Editor &editor)
{
    const MenuData &doc = editor.document();
    const RenderState &render = editor.render();
    QJsonArray strips;
    for (int c = 0; c < doc.NumberOfColumns && c < kMaxColumns; ++c) {
        for (int r = 0; r < doc.NumberOfRows && r < kMaxRows; ++r) {
            if (!IsStripInUse(doc.strip(c, r)))
                continue;
            QJsonObject strip;
            strip[QStringLiteral("Column")] = c;
            strip[QStringLiteral("Row")] = r;
            strip[QStringLiteral("Strip")] = RectArray(render.stripScreenRects.at(c, r));
            const auto &texts = render.textScreenRects.at(c, r);
            strip[QStringLiteral("MainItem")] = RectArray(texts[MainItem]);
            strip[QStringLiteral("SubItems")] = RectArray(texts[SubItems]);
            strip[QStringLiteral("Prices")] = RectArray(texts[Prices]);
            strip[QStringLiteral("PriceTabSpacing")] = render.priceTabSpacing.at(c, r);
            strips.append(strip);
        }
    }
    return strips;
}

QString DragName(RightDragKind kind)
{
    switch (kind) {
    case RightDragKind::Copy: return QStringLiteral("copy");
    case RightDragKind::Move: return QStringLiteral("move");
    case RightDragKind::Restyle: return QStringLiteral("restyle");
    case RightDragKind::None: break;
    }
    return QStringLiteral("none");
}

QJsonObject ControlsJson(WidgetPanel &panel)
{
    QJsonObject controls;
    for (int id : panel.ids()) {
        const ControlState state = panel.state(id);
        QJsonObject control;
        control[QStringLiteral("enabled")] = state.enabled;
        control[QStringLiteral("visible")] = state.visible;
        control[QStringLiteral("checked")] = state.checked;
        control[QStringLiteral("caption")] = state.caption;
        const QRect g = panel.widget(id)->geometry();
        control[QStringLiteral("rect")] = QJsonArray{g.x(), g.y(), g.width(), g.height()};
        if (id == ctl::MainItemBox || id == ctl::SubItemBox || id == ctl::PricesBox)
            control[QStringLiteral("text")] = state.text;
        if (id == ctl::FrameList)
            control[QStringLiteral("index")] = state.currentIndex;
        controls[QString::number(id)] = control;
    }
    return controls;
}

} // namespace

QJsonObject EditorStateJson(MainWindow &window, const QStringList &messages)
{
    Editor &editor = window.editor();
    const EditModes &modes = editor.modes();
    const Selection &selection = editor.selection();
    QJsonObject json;
    json[QStringLiteral("Document")] = DocumentObject(editor.document());
    json[QStringLiteral("Title")] = window.windowTitle();
    json[QStringLiteral("Status")] = editor.status();
    json[QStringLiteral("Modified")] = editor.document().Modified;
    json[QStringLiteral("TextMode")] = modes.text;
    json[QStringLiteral("PictureMode")] = modes.picture;
    json[QStringLiteral("BackgroundMode")] = modes.background;
    json[QStringLiteral("GroupMode")] = modes.group;
    json[QStringLiteral("RightDrag")] = DragName(modes.rightDrag);
    json[QStringLiteral("TextEditStrip")] = Pair(selection.textEditStrip);
    json[QStringLiteral("PictureEditStrip")] = Pair(selection.pictureEditStrip);
    json[QStringLiteral("BackgroundEditStrip")] = Pair(selection.backgroundEditStrip);
    json[QStringLiteral("HitTextItem")] = selection.hitTextItem;
    json[QStringLiteral("EnteredTextItem")] = selection.enteredTextItem;
    json[QStringLiteral("EditedTextItem")] = selection.editedTextItem;
    json[QStringLiteral("ActiveColourIndex")] = selection.activeColourIndex;
    json[QStringLiteral("CurrentFontName")] = selection.currentFontName;
    json[QStringLiteral("CurrentTextColour")] = qint64(selection.currentTextColour);
    const int focused = window.panel().focusedControl();
    const bool textBox = focused == ctl::MainItemBox || focused == ctl::SubItemBox || focused == ctl::PricesBox;
    json[QStringLiteral("FocusedBox")] = textBox ? focused : 0;
    int activeLabel = 0;
    for (int id : {ctl::MainItemActive, ctl::SubItemActive, ctl::PricesActive})
        if (window.panel().isVisible(id))
            activeLabel = id;
    json[QStringLiteral("ActiveLabel")] = activeLabel;
    json[QStringLiteral("PriceCaretPosition")] = selection.priceCaretPosition;
    const auto [start, end] = window.panel().textSelection(ctl::PricesBox);
    json[QStringLiteral("PricesSelection")] = QJsonArray{start, end};
    QJsonArray group;
    QJsonArray groupRects;
    for (const GroupItem &member : editor.group().members) {
        group.append(Pair(member.strip));
        groupRects.append(RectArray(member.textUnion));
    }
    json[QStringLiteral("Group")] = group;
    json[QStringLiteral("GroupRects")] = groupRects;
    json[QStringLiteral("GroupColumn")] = editor.group().column;
    json[QStringLiteral("UndoCount")] = editor.undo().index + 1;
    QJsonArray undo;
    for (const UndoEntry &entry : editor.undo().entries)
        undo.append(QJsonObject{{QStringLiteral("Column"), entry.strip.column},
                                {QStringLiteral("Row"), entry.strip.row},
                                {QStringLiteral("Kind"), entry.kind}});
    json[QStringLiteral("Undo")] = undo;
    const BoardRect &board = editor.render().boardRect;
    json[QStringLiteral("BoardRect")] = QJsonArray{board.left, board.top, board.right, board.bottom};
    json[QStringLiteral("Ratio")] = editor.render().screenRatio;
    json[QStringLiteral("Rects")] = RectsJson(editor);
    json[QStringLiteral("WhitePrint")] = editor.whitePrint();
    json[QStringLiteral("CurrentFilePath")] = editor.currentFilePath();
    json[QStringLiteral("Messages")] = QJsonArray::fromStringList(messages);
    json[QStringLiteral("WorkFolder")] = editor.workFolder();
    json[QStringLiteral("WorkFolderFiles")] = QJsonArray::fromStringList(
        editor.workFolder().isEmpty() ? QStringList()
                                      : QDir(editor.workFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name));
    json[QStringLiteral("BackgroundProxyInUse")] = editor.render().backgroundProxyInUse;
    json[QStringLiteral("PictureProxiesInUse")] = editor.render().pictureProxiesInUse;
    const LayoutFileState &files = editor.files();
    json[QStringLiteral("Files")] = QJsonObject{
        {QStringLiteral("FromContainer"), files.fromContainer},
        {QStringLiteral("LayoutFileName"), files.layoutFileName},
        {QStringLiteral("LegacyFileName"), files.legacyFileName},
        {QStringLiteral("FileFolder"), files.fileFolder},
        {QStringLiteral("LastLayoutFolder"), files.lastLayoutFolder},
        {QStringLiteral("ResolvedBackgroundPath"), files.resolvedBackgroundPath},
        {QStringLiteral("MigrationPending"), files.migrationPending},
        {QStringLiteral("CollectFonts"), files.collectFonts},
    };
    json[QStringLiteral("Controls")] = ControlsJson(window.panel());
    return json;
}

} // namespace zorvan
