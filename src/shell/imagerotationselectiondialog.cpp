#include "imagerotationselectiondialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvan {

ImageRotationSelectionDialog::ImageRotationSelectionDialog(TvRotation value, QWidget *parent)
    : QDialog(parent), m_value(value)
{
    setWindowTitle(QString::fromUtf8(kRotationDialogTitle));
    auto *group = new QGroupBox(QStringLiteral("TV Image File Rotation"), this);
    auto *groupLayout = new QVBoxLayout(group);
    const auto makeButton = [this, group, groupLayout](const QString &caption, int id, TvRotation rotation) {
        auto *button = new QRadioButton(caption, group);
        button->setObjectName(QString::number(id));
        // Each button unchecks the other two itself, so no automatic group may interfere.
        button->setAutoExclusive(false);
        connect(button, &QRadioButton::clicked, this, [this, rotation] { choose(rotation); });
        groupLayout->addWidget(button);
        return button;
    };
    m_none = makeButton(QStringLiteral("NONE"), kRotationNoneId, TvRotation::None);
    m_clockwise = makeButton(QStringLiteral("CW"), kRotationClockwiseId, TvRotation::Clockwise);
    m_counterClockwise =
        makeButton(QStringLiteral("CCW"), kRotationCounterClockwiseId, TvRotation::CounterClockwise);

    auto *text = new QLabel(QString::fromUtf8(kRotationDialogText), this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Cancel exists but is never shown: there is no way out without a value.
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    showValue();
}

QRadioButton *ImageRotationSelectionDialog::button(TvRotation rotation) const
{
    switch (rotation) {
    case TvRotation::Clockwise: return m_clockwise;
    case TvRotation::CounterClockwise: return m_counterClockwise;
    case TvRotation::None: break;
    }
    return m_none;
}

void ImageRotationSelectionDialog::showEvent(QShowEvent *event)
{
    showValue();
    QDialog::showEvent(event);
}

void ImageRotationSelectionDialog::choose(TvRotation rotation)
{
    m_value = rotation;
    showValue();
}

void ImageRotationSelectionDialog::showValue()
{
    for (TvRotation rotation : {TvRotation::None, TvRotation::Clockwise, TvRotation::CounterClockwise})
        button(rotation)->setChecked(rotation == m_value);
}

TvRotation AskImageRotation(TvRotation preselected, QWidget *parent)
{
    ImageRotationSelectionDialog dialog(preselected, parent);
    dialog.exec();
    return dialog.value();
}

} // namespace zorvan
