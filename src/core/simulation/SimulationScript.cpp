#include "simulation/SimulationScript.h"

#include "util/LinkTarget.h"
#include "util/Numbers.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr char kQuote = '"';

int16_t Sum16(int16_t a, int16_t b) {
    return RoundToInt16(static_cast<double>(a) + b);
}

std::string AreaLine(const ClickableArea& area) {
    return std::string("  Areas.push(") + kQuote + std::to_string(area.Left) + ", " +
           std::to_string(area.Top) + ", " + std::to_string(Sum16(area.Left, area.Width)) + ", " +
           std::to_string(Sum16(area.Top, area.Height)) + ", " + area.LinkAddress + ", " +
           area.ClickType() + ", " + std::to_string(area.TargetPage) + kQuote + ");\r\n";
}

std::string PageLine(const SimPage& page) {
    return "  walk.push(new page(" + std::to_string(page.number) + ", " + kQuote + page.name +
           kQuote + ", " + kQuote + page.picture + kQuote + ", Areas));\r\n";
}

}  // namespace

int16_t SimulationScript::SimPageCount() const {
    return RoundToInt16(static_cast<double>(SimPages.size()));
}

int16_t SimulationScript::AddPage(std::string name, std::string picture, std::string file,
                                  const std::vector<ClickableArea>& areas) {
    const int16_t number = RoundToInt16(static_cast<double>(SimPages.size()) + 1);
    SimPages.push_back({number, std::move(name), std::move(picture), std::move(file)});
    for (const ClickableArea& area : areas) {
        SimAreas.push_back(area);
        SimAreas.back().PageNumber = number;
    }
    return number;
}

int16_t SimulationScript::SimPageIndex(const std::string& link) const {
    if (IsBackLink(link)) {
        return -1;
    }
    if (!LeadsToPage(link)) {
        return 0;
    }
    const std::string file = PageFileOfLink(link);
    for (const SimPage& page : SimPages) {
        if (page.file == file) {
            return page.number;
        }
    }
    return 0;
}

void SimulationScript::ResolveTargets() {
    for (ClickableArea& area : SimAreas) {
        area.TargetPage = SimPageIndex(area.LinkAddress);
    }
}

std::string SimulationScript::Text() const {
    std::string text = "function buildSimulation(){\r\n";
    for (const SimPage& page : SimPages) {
        for (const ClickableArea& area : SimAreas) {
            if (area.PageNumber == page.number) {
                text += AreaLine(area);
            }
        }
        text += PageLine(page);
    }
    return text + "}\r\n";
}

}  // namespace htmlsim
