#include "render/pictureprefetch.h"

#include "document/menudata.h"
#include "render/boardgeometry.h"
#include "render/renderstate.h"
#include "render/strippicture.h"

#include <vector>

namespace zorvan {

namespace {

struct Job {
    QString path;
    StripData strip;
    QSize targetSize;
};

} // namespace

PicturePrefetch::PicturePrefetch(const MenuData &doc, const RenderState &state)
{
    if (!HasDrawableBoard(state))
        return;
    std::vector<Job> jobs;
    const int columns = std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
    const int rows = std::clamp(doc.NumberOfRows, 0, kMaxRows);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const StripData &s = doc.strip(c, r);
            if (s.SubImageFileName.isEmpty() || (state.whitePrint && s.ImageHiddenOnWhite))
                continue;
            const QRectF box = StripRectInGraphicsSpace(state, doc, c, r);
            if (box.isEmpty())
                continue;
            jobs.push_back({PictureDrawPath(s.SubImageFileName, state.pictureProxiesInUse), s, PictureTargetSize(box)});
        }
    }
    if (jobs.empty())
        return;
    m_thread = std::thread([jobs = std::move(jobs)] {
        for (const Job &job : jobs)
            PrefetchVisiblePicture(job.path, job.strip, job.targetSize);
    });
}

PicturePrefetch::~PicturePrefetch()
{
    wait();
}

void PicturePrefetch::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace zorvan
