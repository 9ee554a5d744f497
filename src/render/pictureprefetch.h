#pragma once

#include <thread>

namespace zorvan {

class MenuData;
class RenderState;

// Decodes the strip pictures the next composition will draw on a second
// thread, while the caller decodes the background: on a board with pictures
// the two decodes then overlap. Pictures are drawn on a bitmap in graphics
// space, so the boxes give their sizes. Waits for the thread when destroyed.
class PicturePrefetch {
public:
    PicturePrefetch(const MenuData &doc, const RenderState &state);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch &) = delete;
    PicturePrefetch &operator=(const PicturePrefetch &) = delete;

    void wait();

private:
    std::thread m_thread;
};

} // namespace zorvan
