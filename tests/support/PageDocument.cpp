#include "PageDocument.h"

#include "TempFolder.h"

namespace htmlsim::testing {

std::string PageDocument(const std::vector<std::pair<std::string, std::string>>& sections) {
    std::string document = "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n";
    for (const auto& [name, body] : sections) {
        document += "<!-- Section: " + name + " -->\r\n" + body + "<!-- Section End -->\r\n";
    }
    return document + "</BODY>\r\n</HTML>\r\n";
}

std::string DesignDocument(const std::string& images, const std::string& canvasTop,
                           const std::string& balloons) {
    return PageDocument({{"CanvasScript_Top", canvasTop},
                         {"Images", images},
                         {"Labels", ""},
                         {"Anchors", ""},
                         {"Inputs", ""},
                         {"Balloons", balloons},
                         {"CanvasScript_Bottom", ""}});
}

std::string ThreeImagesPage() {
    return TestDataFile("surface/three-images.html");
}

}  // namespace htmlsim::testing
