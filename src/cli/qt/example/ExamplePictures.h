#pragma once

#include <string>

namespace htmlsim::cli {

// The screens of the example simulation, drawn as screenshots of a small web application
// would look: "login.png", "dashboard.png" and "settings.png", 800 x 500 pixels each.
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 500;

// Where the example's screens have their buttons, in picture pixels.
struct ScreenButton {
    int left, top, width, height;
};
inline constexpr ScreenButton kLoginButton{300, 330, 200, 44};
inline constexpr ScreenButton kSettingsButton{640, 20, 130, 36};
inline constexpr ScreenButton kReportCard{40, 110, 340, 160};
inline constexpr ScreenButton kBackButton{40, 420, 150, 44};
// The settings screen's round "Home" button (centre and radius) and its arrow-shaped "Log out"
// button (corners in order), for areas of those shapes.
struct ScreenPoint {
    int x, y;
};
inline constexpr ScreenPoint kHomeCentre{680, 200};
inline constexpr int kHomeRadius = 45;
inline constexpr ScreenPoint kLogOutArrow[] = {
    {560, 420}, {700, 420}, {740, 442}, {700, 464}, {560, 464}};

// Draws the three screens into `folder` (with its trailing separator); false when one cannot be
// written.
bool DrawExampleScreens(const std::string& folder);

}  // namespace htmlsim::cli
