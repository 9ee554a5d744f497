#include "savingwindow.h"

#include "mainwindow.h"

#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvan {

SavingLayoutAndImageFilesDialog::SavingLayoutAndImageFilesDialog(const QString &text, bool withOk, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFont(DialogFont());
    const DialogUnits units = DialogBaseUnits(font());
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text = new QLabel(shown, this);
    m_text->setObjectName(QString::number(kSavingTextId));
    m_text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_text->setMinimumSize(units.x(209), units.y(106));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_ok->setVisible(withOk);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    // Like every saving window it has a Cancel, never shown.
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
}

QString SavingLayoutAndImageFilesDialog::text() const
{
    return m_text->text();
}

void SavingLayoutAndImageFilesDialog::paintEvent(QPaintEvent *event)
{
    ++m_paints;
    if (m_ok->isVisible())
        QCursor::setPos(m_ok->mapToGlobal(m_ok->rect().center()));
    QDialog::paintEvent(event);
    // Without a caption bar, a thin border is all that sets it off from the window below.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zorvan
