#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zorvan {

class FontInstallModel;

// Whoever shows the font installation dialog: the window with a real dialog,
// tests and scripted sessions with a script. The view lists the model's
// missing faces and font files, calls model.install() for each "Install" the
// user clicks, and waits until the user leaves.
class FontInstallView {
public:
    virtual ~FontInstallView() = default;
    // True when the user left with "Done", false when the dialog was closed
    // any other way.
    virtual bool ShowMissingFonts(FontInstallModel &model) = 0;
};

// Plays queued visits: each showing installs the visit's files (by file name)
// in order, then leaves with "Done" or closes. A showing with nothing queued
// is closed.
class ScriptedFontInstallView : public FontInstallView {
public:
    struct Visit {
        QStringList install;
        bool done = true;
    };

    void queue(Visit visit) { m_visits.append(std::move(visit)); }
    bool ShowMissingFonts(FontInstallModel &model) override;

    // The missing faces of every showing, in order.
    const QList<QStringList> &shownFaces() const { return m_shownFaces; }
    // The carried file names of every showing, in order.
    const QList<QStringList> &shownFiles() const { return m_shownFiles; }
    // "file: reason" for each install that failed, or for a file not offered.
    const QStringList &errors() const { return m_errors; }
    int pendingVisits() const { return int(m_visits.size()); }

private:
    QList<Visit> m_visits;
    QList<QStringList> m_shownFaces;
    QList<QStringList> m_shownFiles;
    QStringList m_errors;
};

} // namespace zorvan
