#include "fontinstalldialog.h"

#include "assets/fontinstallmodel.h"

#include <QApplication>
#include <QCursor>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvan {

FontInstallDialog::FontInstallDialog(FontInstallModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(model.title());
    auto *layout = new QVBoxLayout(this);

    auto *faces = new QLabel(QStringLiteral("Fonts this layout needs:\n    ") + model.missingFaces().join(QStringLiteral("\n    ")), this);
    faces->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(faces);

    if (model.files().isEmpty()) {
        layout->addWidget(new QLabel(QStringLiteral("The layout came with no font files."), this));
    } else {
        layout->addWidget(new QLabel(QStringLiteral("Font files that came with the layout:"), this));
        auto *grid = new QGridLayout;
        for (int i = 0; i < model.files().size(); ++i) {
            const FontInstallModel::File &file = model.files()[i];
            QString name = file.fileName;
            if (!file.faces.isEmpty())
                name += QStringLiteral("  (") + file.faces.join(QStringLiteral(", ")) + u')';
            grid->addWidget(new QLabel(name, this), i, 0);
            Row row;
            row.status = new QLabel(this);
            row.button = new QPushButton(QStringLiteral("Install"), this);
            grid->addWidget(row.status, i, 1);
            grid->addWidget(row.button, i, 2);
            connect(row.button, &QPushButton::clicked, this, [this, i] { install(i); });
            m_rows.append(row);
            showStatus(i);
        }
        layout->addLayout(grid);
    }

    auto *buttons = new QDialogButtonBox(this);
    m_done = buttons->addButton(QStringLiteral("Done"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void FontInstallDialog::install(int fileIndex)
{
    // Copying and rescanning the fonts takes a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model.install(fileIndex);
    QApplication::restoreOverrideCursor();
    showStatus(fileIndex);
}

void FontInstallDialog::showStatus(int fileIndex)
{
    const FontInstallModel::File &file = m_model.files()[fileIndex];
    const Row &row = m_rows[fileIndex];
    if (file.installed) {
        row.status->setText(QStringLiteral("Installed"));
        row.button->setEnabled(false);
    } else {
        row.status->setText(file.error);
    }
}

bool ShowFontInstallDialog(FontInstallModel &model, QWidget *parent)
{
    FontInstallDialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zorvan
