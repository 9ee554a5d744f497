#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <map>

namespace zorvan {

// Watches the three edit boxes: reports focus gained and lost, and keeps a
// held key from repeating fast inside them. The desktop's own repeat rate is
// left alone; only the repeats this editor takes are thinned out.
class TextBoxWatcher : public QObject {
    Q_OBJECT
public:
    // At most one repeated key per this many milliseconds, per box.
    static constexpr int kRepeatIntervalMs = 250;

    explicit TextBoxWatcher(QObject *parent = nullptr) : QObject(parent) {}

    // box: the widget; id: its control id.
    void watch(QObject *box, int id);

    std::function<void(int id)> focusGained;
    std::function<void(int id)> focusLost;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::map<QObject *, int> m_boxes;
    std::map<QObject *, QElapsedTimer> m_lastRepeat;
};

} // namespace zorvan
