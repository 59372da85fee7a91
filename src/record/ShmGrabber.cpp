#include "ShmGrabber.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include "util/RuntimeError.h"

#include <X11/Xutil.h>

namespace htmlsim::record {

ShmGrabber::ShmGrabber(::Display* display, const QRect& region)
    : mDisplay(display), mRegion(region) {
    if (!XShmQueryExtension(display)) {
        throw RuntimeError("The X server has no MIT-SHM extension; recording needs it.");
    }
    const int screen = DefaultScreen(display);
    mImage = XShmCreateImage(display, DefaultVisual(display, screen),
                             static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, nullptr,
                             &mSegment, static_cast<unsigned>(region.width()),
                             static_cast<unsigned>(region.height()));
    if (mImage == nullptr || mImage->bits_per_pixel != 32) {
        if (mImage != nullptr) {
            XDestroyImage(mImage);
        }
        throw RuntimeError("Recording needs a screen of 24 or 32 bits per pixel.");
    }
    mSegment.shmid =
        shmget(IPC_PRIVATE,
               static_cast<size_t>(mImage->bytes_per_line) * static_cast<size_t>(mImage->height),
               IPC_CREAT | 0600);
    mSegment.shmaddr = mImage->data = static_cast<char*>(shmat(mSegment.shmid, nullptr, 0));
    mSegment.readOnly = False;
    const bool attached =
        mSegment.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(display, &mSegment) != 0;
    XSync(display, False);
    // Marked for removal at once: the segment goes with the last process that detaches it,
    // even when this one is killed.
    shmctl(mSegment.shmid, IPC_RMID, nullptr);
    if (!attached) {
        throw RuntimeError("The screen cannot be shared with the X server (MIT-SHM).");
    }
}

ShmGrabber::~ShmGrabber() {
    XShmDetach(mDisplay, &mSegment);
    XSync(mDisplay, False);
    shmdt(mSegment.shmaddr);
    mImage->data = nullptr;
    XDestroyImage(mImage);
}

QImage ShmGrabber::Grab() {
    if (!XShmGetImage(mDisplay, DefaultRootWindow(mDisplay), mImage, mRegion.x(), mRegion.y(),
                      AllPlanes)) {
        throw RuntimeError("The screen cannot be grabbed.");
    }
    const QImage shared(reinterpret_cast<const uchar*>(mImage->data), mImage->width, mImage->height,
                        mImage->bytes_per_line, QImage::Format_RGB32);
    return shared.copy();
}

}  // namespace htmlsim::record
