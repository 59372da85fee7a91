#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "QtPictures.h"

namespace htmlsim {

PicturePtr QtClipboard::GetPicture() {
    return PictureFromImage(QGuiApplication::clipboard()->image());
}

}  // namespace htmlsim
