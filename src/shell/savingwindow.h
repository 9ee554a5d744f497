#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zorvan {

// The small captionless window of a save: one text and an "OK" button. Shown
// modeless as the please-wait window while files go to a removable drive
// (without "OK": it needs no answer), and modal for the closing message.
// Whenever it paints with "OK" showing, the pointer goes to that button.
class SavingLayoutAndImageFilesDialog : public QDialog {
    Q_OBJECT
public:
    SavingLayoutAndImageFilesDialog(const QString &text, bool withOk, QWidget *parent = nullptr);

    QString text() const;
    QPushButton *okButton() const { return m_ok; }
    int paintCount() const { return m_paints; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_text = nullptr;
    QPushButton *m_ok = nullptr;
    int m_paints = 0;
};

inline constexpr int kSavingTextId = 1120;

} // namespace zorvan
