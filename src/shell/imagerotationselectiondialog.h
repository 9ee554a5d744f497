#pragma once

#include "render/rotationdata.h"

#include <QDialog>

class QRadioButton;

namespace zorvan {

// "TV Image Rotation": how a portrait TV image is turned. The value the
// dialog holds when it closes counts, however it was closed.
class ImageRotationSelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImageRotationSelectionDialog(TvRotation value, QWidget *parent = nullptr);

    TvRotation value() const { return m_value; }
    QRadioButton *button(TvRotation rotation) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void choose(TvRotation rotation);
    void showValue();

    TvRotation m_value;
    QRadioButton *m_none = nullptr;
    QRadioButton *m_clockwise = nullptr;
    QRadioButton *m_counterClockwise = nullptr;
};

// Control ids of the dialog's buttons.
inline constexpr int kRotationNoneId = 1121;
inline constexpr int kRotationClockwiseId = 1122;
inline constexpr int kRotationCounterClockwiseId = 1123;

inline constexpr char kRotationDialogTitle[] = "TV Image Rotation";
inline constexpr char kRotationDialogText[] = "The TV Image File Rotation can be set to NONE,\n Clockwise (CW), or "
                                              "Counterclockwise (CCW)\n to accomodate portrait style menu boards.";

// Runs the dialog modally and returns its value.
TvRotation AskImageRotation(TvRotation preselected, QWidget *parent);

} // namespace zorvan
