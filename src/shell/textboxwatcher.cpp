#include "textboxwatcher.h"

#include <QEvent>
#include <QKeyEvent>

namespace zorvan {

void TextBoxWatcher::watch(QObject *box, int id)
{
    m_boxes[box] = id;
    box->installEventFilter(this);
}

bool TextBoxWatcher::eventFilter(QObject *watched, QEvent *event)
{
    auto it = m_boxes.find(watched);
    if (it == m_boxes.end())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (focusGained)
            focusGained(it->second);
        break;
    case QEvent::FocusOut:
        if (focusLost)
            focusLost(it->second);
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        QElapsedTimer &last = m_lastRepeat[watched];
        if (!key->isAutoRepeat()) {
            last.start();
            break;
        }
        if (last.isValid() && last.elapsed() < kRepeatIntervalMs)
            return true; // swallowed: too soon after the last key
        last.start();
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zorvan
