#include <nlohmann/json.hpp>

#include "publish/PublishedSimulation.h"

namespace htmlsim {

namespace {

using Json = nlohmann::ordered_json;

Json BoxJson(const PublishedBox& box) {
    return {{"left", box.left}, {"top", box.top}, {"width", box.width}, {"height", box.height}};
}

Json PageJson(const PublishedPage& page) {
    Json areas = Json::array();
    for (const PublishedArea& area : page.areas) {
        areas.push_back({{"box", BoxJson(area.box)},
                         {"click", area.click},
                         {"title", area.title},
                         {"link", area.link},
                         {"target", area.target}});
    }
    Json balloons = Json::array();
    for (const PublishedBalloon& balloon : page.balloons) {
        balloons.push_back({{"box", BoxJson(balloon.box)},
                            {"html", balloon.html},
                            {"background", balloon.background},
                            {"radius", balloon.radius}});
    }
    return {{"number", page.number},
            {"name", page.name},
            {"picture", page.picture},
            {"place", BoxJson(page.place)},
            {"naturalWidth", page.naturalWidth},
            {"naturalHeight", page.naturalHeight},
            {"areas", areas},
            {"balloons", balloons}};
}

}  // namespace

std::string SimulationJson(const PublishedSimulation& simulation) {
    const PublishSettings& settings = simulation.settings;
    Json pages = Json::array();
    for (const PublishedPage& page : simulation.pages) {
        pages.push_back(PageJson(page));
    }
    const Json json = {{"title", settings.title},
                       {"passPercent", settings.passPercent},
                       {"speed", settings.speed},
                       {"scorm", settings.scorm},
                       {"pages", pages}};
    // A page that is not UTF-8 (Windows-1252) would make the whole file unreadable to the
    // player: its odd bytes become U+FFFD instead.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace htmlsim
