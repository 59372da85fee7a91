#include "insert/PlacedPicture.h"

#include "insert/InsertImageTag.h"
#include "session/ImagesSectionUpdate.h"
#include "session/Session.h"
#include "surface/DesignOperations.h"

namespace htmlsim {

void InsertAndPaint(Session& session, const std::string& path) {
    if (!InsertImageTag(session, path)) {
        return;
    }
    // The insertion line shows the picture turned and cut off in a browser: the page gets at
    // once what the surface shows.
    UpdateImagesSection(session);
    PageDesign& design = session.Design();
    if (design.Image(design.ImageCount()).PCT) {
        DrawImage(design, session.DesignSurface(), design.ImageCount(), RasterOp::Copy);
    }
}

void ReportInsertionFailure(Session& session, const std::exception& failure) {
    session.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
}

}  // namespace htmlsim
