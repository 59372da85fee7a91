#include "insert/PlacedPicture.h"

#include "insert/InsertImageTag.h"
#include "session/Session.h"
#include "surface/DesignOperations.h"

namespace htmlsim {

void InsertAndPaint(Session& session, const std::string& path) {
    const int before = session.Design().ImageCount();
    InsertImageTag(session, path);
    PageDesign& design = session.Design();
    if (design.ImageCount() > before && design.Image(design.ImageCount()).PCT) {
        DrawImage(design, session.DesignSurface(), design.ImageCount(), RasterOp::Copy);
    }
}

void ReportInsertionFailure(Session& session, const std::exception& failure) {
    session.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
}

}  // namespace htmlsim
