#include "progressbar.h"

#include <QFileDevice>
#include <QIODevice>

#include <unistd.h>

#include <algorithm>

namespace zorvan::cli {

namespace {

bool g_enabled = false;
// The bar on the terminal now; commands run one at a time.
ProgressBar *g_active = nullptr;
constexpr int kBarWidth = 24;
// Back to the line start and clear to its end.
constexpr char kEraseLine[] = "\r\033[K";

void Flush(QIODevice &out)
{
    if (auto *file = qobject_cast<QFileDevice *>(&out))
        file->flush();
}

} // namespace

ProgressBar::ProgressBar(QIODevice &out, const QString &task) : m_out(out), m_task(task), m_active(g_enabled) {}

ProgressBar::~ProgressBar()
{
    finish();
}

void ProgressBar::show(int percent, const QString &stage)
{
    if (!m_active)
        return;
    percent = std::clamp(percent, 0, 100);
    const int filled = percent * kBarWidth / 100;
    const QString line = QStringLiteral("%1%2 [%3%4] %5% %6")
                             .arg(QLatin1String(kEraseLine), m_task, QString(filled, QLatin1Char('#')),
                                  QString(kBarWidth - filled, QLatin1Char('.')))
                             .arg(percent, 3)
                             .arg(stage);
    m_out.write(line.toUtf8());
    Flush(m_out);
    m_drawn = true;
    g_active = this;
}

void ProgressBar::finish()
{
    if (m_drawn) {
        m_out.write(kEraseLine);
        Flush(m_out);
    }
    m_drawn = false;
    m_active = false;
    if (g_active == this)
        g_active = nullptr;
}

void ProgressBar::FinishActive()
{
    if (g_active)
        g_active->finish();
}

void ProgressBar::SetEnabled(bool enabled)
{
    g_enabled = enabled;
}

bool ProgressBar::Enabled()
{
    return g_enabled;
}

bool ProgressBar::IsTerminal(int fd)
{
    return isatty(fd) == 1;
}

} // namespace zorvan::cli
