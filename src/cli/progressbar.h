#pragma once

#include <QString>

class QIODevice;

namespace zorvan::cli {

// A one-line progress bar for the long commands (render, migrate, unpack).
// It is drawn only when progress bars are on, which Run() decides from
// whether standard output is a terminal: pipes, files and tests never see
// it. The line is erased when the bar ends, so the command's own output
// starts on a clean line.
class ProgressBar {
public:
    ProgressBar(QIODevice &out, const QString &task);
    ~ProgressBar();
    ProgressBar(const ProgressBar &) = delete;
    ProgressBar &operator=(const ProgressBar &) = delete;

    // Shows how far the task is (0 to 100) and what it is doing now.
    void show(int percent, const QString &stage);
    // Erases the bar; nothing more is drawn.
    void finish();

    // Erases the bar being drawn, if any, so that an error line starts clean.
    static void FinishActive();

    static void SetEnabled(bool enabled);
    static bool Enabled();
    // Whether the file descriptor is a terminal a bar may be drawn on.
    static bool IsTerminal(int fd);

private:
    QIODevice &m_out;
    QString m_task;
    bool m_drawn = false;
    bool m_active;
};

} // namespace zorvan::cli
