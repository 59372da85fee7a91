#include "example/ExamplePictures.h"
#include "QtText.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace htmlsim::cli {

namespace {

const QColor kPage(244, 246, 250);
const QColor kBar(33, 64, 120);
const QColor kAccent(46, 125, 220);
const QColor kText(40, 44, 52);
const QColor kBorder(200, 206, 216);

QRect Rect(const ScreenButton& button) {
    return {button.left, button.top, button.width, button.height};
}

// A screen with the application's title bar.
QImage Screen(const QString& title) {
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    image.fill(kPage);
    QPainter painter(&image);
    painter.fillRect(0, 0, kScreenWidth, 76, kBar);
    painter.setPen(Qt::white);
    painter.setFont(QFont("Liberation Sans", 20, QFont::Bold));
    painter.drawText(QRect(30, 0, 500, 76), Qt::AlignVCenter, title);
    return image;
}

void Button(QPainter& painter, const ScreenButton& button, const QString& caption,
            const QColor& color = kAccent) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(Rect(button), 6, 6);
    painter.setPen(Qt::white);
    painter.setFont(QFont("Liberation Sans", 13, QFont::Bold));
    painter.drawText(Rect(button), Qt::AlignCenter, caption);
}

void Field(QPainter& painter, int top, const QString& caption, const QString& value) {
    painter.setPen(kText);
    painter.setFont(QFont("Liberation Sans", 11));
    painter.drawText(QRect(250, top, 300, 20), Qt::AlignLeft, caption);
    painter.setPen(kBorder);
    painter.setBrush(Qt::white);
    painter.drawRect(250, top + 24, 300, 36);
    painter.setPen(kText);
    painter.drawText(QRect(262, top + 24, 280, 36), Qt::AlignVCenter, value);
}

void Card(QPainter& painter, const ScreenButton& place, const QString& title,
          const QString& figure) {
    painter.setPen(kBorder);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(Rect(place), 8, 8);
    painter.setPen(kText);
    painter.setFont(QFont("Liberation Sans", 12));
    painter.drawText(QRect(place.left + 20, place.top + 16, place.width - 40, 24), title);
    painter.setPen(kAccent);
    painter.setFont(QFont("Liberation Sans", 30, QFont::Bold));
    painter.drawText(QRect(place.left + 20, place.top + 60, place.width - 40, 60), figure);
}

QImage LoginScreen() {
    QImage image = Screen("Acme Portal");
    QPainter painter(&image);
    painter.setPen(kBorder);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(220, 110, 360, 290, 10, 10);
    Field(painter, 140, "User name", "jane.doe");
    Field(painter, 220, "Password", QString(8, QChar(0x2022)));
    Button(painter, kLoginButton, "Log in");
    return image;
}

QImage DashboardScreen() {
    QImage image = Screen("Acme Portal - Dashboard");
    QPainter painter(&image);
    Button(painter, kSettingsButton, "Settings", QColor(90, 120, 170));
    Card(painter, kReportCard, "Open orders (right-click here to log out)", "128");
    Card(painter, {420, 110, 340, 160}, "Revenue this month", "$ 42,500");
    Card(painter, {40, 300, 720, 150}, "Messages", "3 new");
    return image;
}

QImage SettingsScreen() {
    QImage image = Screen("Acme Portal - Settings");
    QPainter painter(&image);
    Field(painter, 120, "Display name", "Jane Doe");
    Field(painter, 200, "E-mail", "jane.doe@example.com");
    Field(painter, 280, "Language", "English");
    Button(painter, kBackButton, "Back");
    painter.setBrush(kAccent);
    painter.setPen(Qt::NoPen);
    const QRect home(kHomeCentre.x - kHomeRadius, kHomeCentre.y - kHomeRadius, 2 * kHomeRadius,
                     2 * kHomeRadius);
    painter.drawEllipse(home);
    QPolygon arrow;
    for (const ScreenPoint& corner : kLogOutArrow) {
        arrow << QPoint(corner.x, corner.y);
    }
    painter.setBrush(QColor(200, 70, 60));
    painter.drawPolygon(arrow);
    painter.setPen(Qt::white);
    painter.drawText(home, Qt::AlignCenter, "Home");
    painter.drawText(arrow.boundingRect(), Qt::AlignCenter, "Log out");
    return image;
}

}  // namespace

bool DrawExampleScreens(const std::string& folder) {
    const QString base = ToQPath(folder);
    return LoginScreen().save(base + "login.png") &&
           DashboardScreen().save(base + "dashboard.png") &&
           SettingsScreen().save(base + "settings.png");
}

}  // namespace htmlsim::cli
