#pragma once

#include "assets/fontinstallview.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

namespace zorvan {

class FontInstallModel;

// The dialog that lists the fonts a layout needs and the font files it came
// with, each with an "Install" button; "Done" accepts it. Closing it any
// other way rejects it, which abandons the opening of the layout.
class FontInstallDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontInstallDialog(FontInstallModel &model, QWidget *parent = nullptr);

    QPushButton *installButton(int fileIndex) const { return m_rows.value(fileIndex).button; }
    QPushButton *doneButton() const { return m_done; }

private:
    struct Row {
        QLabel *status = nullptr;
        QPushButton *button = nullptr;
    };

    void install(int fileIndex);
    void showStatus(int fileIndex);

    FontInstallModel &m_model;
    QList<Row> m_rows;
    QPushButton *m_done = nullptr;
};

// Shows the dialog modally; true when the user left with "Done".
bool ShowFontInstallDialog(FontInstallModel &model, QWidget *parent);

// The window's font installation: the real dialog over it.
class DialogFontInstallView : public FontInstallView {
public:
    explicit DialogFontInstallView(QWidget *parent) : m_parent(parent) {}
    bool ShowMissingFonts(FontInstallModel &model) override { return ShowFontInstallDialog(model, m_parent); }

private:
    QWidget *m_parent;
};

} // namespace zorvan
