#pragma once

#include <string>
#include <vector>

namespace htmlsim {

// A box in pixels: on the page for a picture, relative to the picture for what lies on it.
struct PublishedBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A clickable area of a page's picture. `target` is the page its link leads to: -1 for the
// back link, 0 for a page outside the walk.
struct PublishedArea {
    PublishedBox box;
    std::string click;  // "left" or "right"
    std::string title;
    std::string link;
    int target = 0;
};

struct PublishedBalloon {
    PublishedBox box;
    std::string html;
    std::string background;
    std::string radius;
};

// One page of the walk as the player shows it: its picture (by its name in the package), where
// the page places it and at what size, and what lies on it.
struct PublishedPage {
    int number = 0;
    std::string name;
    std::string picture;
    PublishedBox place;
    int naturalWidth = 0;
    int naturalHeight = 0;
    std::vector<PublishedArea> areas;
    std::vector<PublishedBalloon> balloons;
};

inline constexpr int kDefaultPassPercent = 80;

// How a simulation is published: the lesson's title, the pass mark of the test, the demo's
// speed factor and the SCORM version of the package ("" without one, "1.2" or "2004").
struct PublishSettings {
    std::string title;
    int passPercent = kDefaultPassPercent;
    double speed = 1.0;
    std::string scorm;
};

struct PublishedSimulation {
    PublishSettings settings;
    std::vector<PublishedPage> pages;
};

// The player's data file, "simulation.json".
std::string SimulationJson(const PublishedSimulation& simulation);

}  // namespace htmlsim
