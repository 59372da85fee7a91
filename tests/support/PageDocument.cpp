#include "PageDocument.h"

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
    return DesignDocument(
        "<IMG SRC='shot.png' Name='Map1' BORDER='0' Width='200' Height='150' "
        "STYLE='position:absolute; left:100px; top:50px' UseMap='#Map1'/>\r\n"
        "<map name='Map1'>\r\n"
        "<AREA SHAPE='rect' COORDS='10,10,60,40' Title='' HREF='next.html'/> \r\n"
        "</map>\r\n"
        "<a HREF='linked.html'><IMG SRC='shot.png' Name='Link1' TITLE='' BORDER='0' "
        "Width='100' Height='100' STYLE='position:absolute; left:400px; top:50px'/></a>\r\n"
        "<canvas id='Canvas_3' SRC='shot.png' width='200' Height='100' "
        "style='position:absolute; left:100px; top:300px'></canvas>\r\n",
        "var Areas = new Array();\r\nmScale = .7;\r\n"
        "Areas.push('10,10,40,30,left.html,left');\r\n"
        "Areas.push('50,10,80,30,right.html,right');\r\n");
}

}  // namespace htmlsim::testing
