#pragma once

#include <QWidget>

#include <functional>

namespace zorvan {

// The client area of the main window: the panel's controls lie on it and
// the preview is painted into what they leave free.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget *parent = nullptr);

    std::function<void(QPainter &)> paintPreview;
    // Client point and whether Shift / Alt (or Ctrl) were held.
    std::function<void(const QPoint &, bool shift, bool alt)> leftPressed;
    std::function<void(const QPoint &, bool shift, bool alt)> rightPressed;
    std::function<void(const QPoint &, bool shift, bool alt)> rightReleased;
    std::function<void()> resized;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace zorvan
