#include "MapImage.h"

namespace htmlsim::testing {

std::string MapImage(const std::string& src, const std::string& map, int left, int top,
                     const std::vector<std::pair<std::string, std::string>>& areas) {
    std::string html =
        "<IMG SRC='" + src +
        "' Width='400' Height='300' STYLE='position:absolute; left:" + std::to_string(left) +
        "px; top:" + std::to_string(top) + "px' UseMap='#" + map + "'/>\r\n<map name='" + map +
        "'>\r\n";
    for (const auto& [coordinates, link] : areas) {
        html +=
            "<AREA SHAPE='rect' COORDS='" + coordinates + "' Title='' HREF='" + link + "'/> \r\n";
    }
    return html + "</map>\r\n";
}

}  // namespace htmlsim::testing
