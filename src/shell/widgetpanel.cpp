#include "widgetpanel.h"

#include "buttonicons.h"

#include "document/stripdata.h"
#include "editing/controlids.h"
#include "editing/movesteps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace zorvan {

namespace {

// The stand-in faces run wider than the dialog font the places were made
// for: a caption that would be cut takes a slightly smaller size instead.
void FitCaption(QWidget *w, int width)
{
    auto *box = qobject_cast<QCheckBox *>(w);
    if (!box)
        return;
    QFont font = box->parentWidget() ? box->parentWidget()->font() : box->font();
    box->setFont(font);
    while (box->sizeHint().width() > width && font.pointSizeF() > 7.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        box->setFont(font);
    }
}

} // namespace

WidgetPanel::WidgetPanel(QWidget *parent, const DialogUnits &units, Pressed pressed) : m_pressed(std::move(pressed))
{
    for (const ControlSpec &entry : ControlTable()) {
        QWidget *w = create(entry, parent);
        w->setEnabled(entry.enabled);
        w->setVisible(entry.visible);
        m_placements.emplace_back(w, entry.dialogRect);
        if (entry.id != ctl::NoId) {
            w->setObjectName(QStringLiteral("control%1").arg(entry.id));
            m_widgets[entry.id] = w;
            m_ids.push_back(entry.id);
        }
    }
    layout(units);
}

QWidget *WidgetPanel::create(const ControlSpec &entry, QWidget *parent)
{
    const int id = entry.id;
    switch (entry.kind) {
    case ControlKind::Button: {
        auto *button = new QPushButton(entry.caption, parent);
        button->setFocusPolicy(Qt::TabFocus);
        QObject::connect(button, &QPushButton::clicked, [this, id] { m_pressed(id); });
        return button;
    }
    case ControlKind::IconButton: {
        auto *button = new QPushButton(parent);
        button->setIcon(MakeButtonIcon(entry.icon, 32));
        button->setFocusPolicy(Qt::TabFocus);
        // Each press is one step, even when held down.
        button->setAutoRepeat(false);
        button->setToolTip(StepKeysHint(id));
        QObject::connect(button, &QPushButton::clicked, [this, id] { m_pressed(id); });
        return button;
    }
    case ControlKind::CheckBox: {
        auto *box = new QCheckBox(entry.caption, parent);
        if (entry.textLeft)
            box->setLayoutDirection(Qt::RightToLeft);
        QObject::connect(box, &QCheckBox::clicked, [this, id] { m_pressed(id); });
        return box;
    }
    case ControlKind::GroupBox: {
        auto *group = new QGroupBox(entry.caption, parent);
        group->lower();
        return group;
    }
    case ControlKind::Label:
    case ControlKind::ValueLabel: {
        auto *label = new QLabel(entry.caption, parent);
        if (entry.kind == ControlKind::ValueLabel)
            label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new QPlainTextEdit(parent);
        box->setTabChangesFocus(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        QObject::connect(box, &QPlainTextEdit::textChanged, [this, id] { m_pressed(id); });
        return box;
    }
    case ControlKind::DropList: {
        auto *list = new QComboBox(parent);
        for (int i = 0; i < kPictureFrameCount; ++i)
            list->addItem(QString::fromUtf8(PictureFrameName(i)));
        QObject::connect(list, &QComboBox::activated, [this, id] { m_pressed(id); });
        return list;
    }
    }
    return new QWidget(parent);
}

void WidgetPanel::layout(const DialogUnits &units)
{
    for (auto &[w, rect] : m_placements) {
        QRect r = units.rect(rect);
        if (qobject_cast<QComboBox *>(w))
            r.setHeight(w->sizeHint().height()); // the list's height counts the opened list
        w->setGeometry(r);
        FitCaption(w, r.width());
        if (auto *button = qobject_cast<QPushButton *>(w); button && !button->icon().isNull()) {
            const int side = qMax(8, qMin(r.width(), r.height()) - 4);
            button->setIconSize(QSize(side, side));
        }
    }
}

QWidget *WidgetPanel::widget(int id) const
{
    auto it = m_widgets.find(id);
    return it == m_widgets.end() ? nullptr : it->second;
}

bool WidgetPanel::usable(int id, QString *why) const
{
    QWidget *w = widget(id);
    QString reason;
    if (!w)
        reason = QStringLiteral("control %1 does not exist").arg(id);
    else if (w->isHidden())
        reason = QStringLiteral("control %1 is hidden").arg(id);
    else if (!w->isEnabled())
        reason = QStringLiteral("control %1 is disabled").arg(id);
    if (reason.isEmpty())
        return true;
    if (why)
        *why = reason;
    return false;
}

bool WidgetPanel::press(int id, QString *why)
{
    if (!usable(id, why))
        return false;
    if (auto *button = qobject_cast<QAbstractButton *>(widget(id))) {
        button->click();
        return true;
    }
    if (why)
        *why = QStringLiteral("control %1 cannot be pressed").arg(id);
    return false;
}

bool WidgetPanel::choose(int id, int index, QString *why)
{
    if (!usable(id, why))
        return false;
    auto *list = qobject_cast<QComboBox *>(widget(id));
    if (!list || index < 0 || index >= list->count()) {
        if (why)
            *why = list ? QStringLiteral("list %1 has no item %2").arg(id).arg(index)
                        : QStringLiteral("control %1 is not a list").arg(id);
        return false;
    }
    list->setCurrentIndex(index);
    m_pressed(id);
    return true;
}

void WidgetPanel::setEnabled(int id, bool enabled)
{
    if (QWidget *w = widget(id))
        w->setEnabled(enabled);
}

void WidgetPanel::setVisible(int id, bool visible)
{
    if (QWidget *w = widget(id))
        w->setVisible(visible);
}

void WidgetPanel::setChecked(int id, bool checked)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget(id))) {
        const bool checkable = button->isCheckable();
        button->setCheckable(true);
        button->setChecked(checked);
        button->setCheckable(checkable || checked);
    }
}

void WidgetPanel::setCaption(int id, const QString &caption)
{
    QWidget *w = widget(id);
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(caption);
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        group->setTitle(caption);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(caption);
}

void WidgetPanel::setText(int id, const QString &text)
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget(id))) {
        // The editor keeps texts with CR LF line ends; the box shows plain line breaks.
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // The editor's own changes to a box are not typing: they send no change.
        const QSignalBlocker quiet(box);
        box->setPlainText(shown);
        box->moveCursor(QTextCursor::End);
    }
}

void WidgetPanel::setCurrentIndex(int id, int index)
{
    if (auto *list = qobject_cast<QComboBox *>(widget(id)))
        list->setCurrentIndex(index);
}

ControlState WidgetPanel::state(int id) const
{
    ControlState state;
    QWidget *w = widget(id);
    if (!w)
        return state;
    state.enabled = w->isEnabled();
    state.visible = !w->isHidden();
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        state.checked = button->isChecked();
        state.caption = button->text();
    } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
        state.caption = group->title();
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        state.caption = label->text();
    } else if (auto *box = qobject_cast<QPlainTextEdit *>(w)) {
        state.text = box->toPlainText();
        state.text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    } else if (auto *list = qobject_cast<QComboBox *>(w)) {
        state.currentIndex = list->currentIndex();
    }
    return state;
}

void WidgetPanel::redrawPalette()
{
    if (QWidget *w = widget(ctl::Palette))
        w->update();
}

} // namespace zorvan

namespace zorvan {

QRect WidgetPanel::controlRect(int id) const
{
    const QWidget *w = widget(id);
    return w ? w->geometry() : QRect();
}

void WidgetPanel::setFocus(int id)
{
    if (QWidget *w = widget(id))
        w->setFocus(Qt::OtherFocusReason);
}

int WidgetPanel::focusedControl() const
{
    for (const auto &[id, w] : m_widgets)
        if (w->window()->focusWidget() == w)
            return id;
    return 0;
}

} // namespace zorvan

namespace zorvan {

namespace {

// Positions in the editor's text count CR LF as two characters, the box's as one.
int BoxPosition(const QString &text, int position)
{
    const QString before = text.left(position);
    return position - int(before.count(QStringLiteral("\r\n")));
}

int EditorPosition(const QString &shown, int position)
{
    return position + int(shown.left(position).count(QLatin1Char('\n')));
}

} // namespace

void WidgetPanel::setTextSelection(int id, int start, int end)
{
    auto *box = qobject_cast<QPlainTextEdit *>(widget(id));
    if (!box)
        return;
    const QString text = state(id).text;
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(BoxPosition(text, std::clamp(start, 0, int(text.size()))));
    cursor.setPosition(BoxPosition(text, std::clamp(end, 0, int(text.size()))), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

std::pair<int, int> WidgetPanel::textSelection(int id) const
{
    auto *box = qobject_cast<QPlainTextEdit *>(widget(id));
    if (!box)
        return {0, 0};
    const QString shown = box->toPlainText();
    const QTextCursor cursor = box->textCursor();
    return {EditorPosition(shown, cursor.selectionStart()), EditorPosition(shown, cursor.selectionEnd())};
}

} // namespace zorvan
