#include "publish/ScormManifest.h"

#include "publish/MarkupText.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

std::string FileList(const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& file : files) {
        list += "      <file href=\"" + MarkupEscaped(UriEscaped(file)) + "\"/>\n";
    }
    return list;
}

std::string Scorm12(const std::string& identifier, const std::string& title, int passPercent,
                    const std::vector<std::string>& files) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<manifest identifier=\"" +
           identifier +
           "\" version=\"1.0\"\n"
           "  xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"\n"
           "  xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\"\n"
           "  xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
           "  xsi:schemaLocation=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2 "
           "imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 "
           "imsmd_rootv1p2p1.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd\">\n"
           "  <metadata>\n"
           "    <schema>ADL SCORM</schema>\n"
           "    <schemaversion>1.2</schemaversion>\n"
           "  </metadata>\n"
           "  <organizations default=\"organization\">\n"
           "    <organization identifier=\"organization\">\n"
           "      <title>" +
           title +
           "</title>\n"
           "      <item identifier=\"item\" identifierref=\"player\" isvisible=\"true\">\n"
           "        <title>" +
           title +
           "</title>\n"
           "        <adlcp:masteryscore>" +
           std::to_string(passPercent) +
           "</adlcp:masteryscore>\n"
           "      </item>\n"
           "    </organization>\n"
           "  </organizations>\n"
           "  <resources>\n"
           "    <resource identifier=\"player\" type=\"webcontent\" adlcp:scormtype=\"sco\" "
           "href=\"index.html\">\n" +
           FileList(files) +
           "    </resource>\n"
           "  </resources>\n"
           "</manifest>\n";
}

std::string Scaled(int percent) {
    const std::string hundredths = std::to_string(percent % 100 + 100).substr(1);
    return std::to_string(percent / 100) + "." + hundredths;
}

std::string Scorm2004(const std::string& identifier, const std::string& title, int passPercent,
                      const std::vector<std::string>& files) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<manifest identifier=\"" +
           identifier +
           "\" version=\"1\"\n"
           "  xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\"\n"
           "  xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_v1p3\"\n"
           "  xmlns:adlseq=\"http://www.adlnet.org/xsd/adlseq_v1p3\"\n"
           "  xmlns:adlnav=\"http://www.adlnet.org/xsd/adlnav_v1p3\"\n"
           "  xmlns:imsss=\"http://www.imsglobal.org/xsd/imsss\"\n"
           "  xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
           "  xsi:schemaLocation=\"http://www.imsglobal.org/xsd/imscp_v1p1 imscp_v1p1.xsd "
           "http://www.adlnet.org/xsd/adlcp_v1p3 adlcp_v1p3.xsd "
           "http://www.adlnet.org/xsd/adlseq_v1p3 adlseq_v1p3.xsd "
           "http://www.adlnet.org/xsd/adlnav_v1p3 adlnav_v1p3.xsd "
           "http://www.imsglobal.org/xsd/imsss imsss_v1p0.xsd\">\n"
           "  <metadata>\n"
           "    <schema>ADL SCORM</schema>\n"
           "    <schemaversion>2004 4th Edition</schemaversion>\n"
           "  </metadata>\n"
           "  <organizations default=\"organization\">\n"
           "    <organization identifier=\"organization\">\n"
           "      <title>" +
           title +
           "</title>\n"
           "      <item identifier=\"item\" identifierref=\"player\">\n"
           "        <title>" +
           title +
           "</title>\n"
           "        <imsss:sequencing>\n"
           "          <imsss:objectives>\n"
           "            <imsss:primaryObjective objectiveID=\"passed\" "
           "satisfiedByMeasure=\"true\">\n"
           "              <imsss:minNormalizedMeasure>" +
           Scaled(passPercent) +
           "</imsss:minNormalizedMeasure>\n"
           "            </imsss:primaryObjective>\n"
           "          </imsss:objectives>\n"
           "        </imsss:sequencing>\n"
           "      </item>\n"
           "    </organization>\n"
           "  </organizations>\n"
           "  <resources>\n"
           "    <resource identifier=\"player\" type=\"webcontent\" adlcp:scormType=\"sco\" "
           "href=\"index.html\">\n" +
           FileList(files) +
           "    </resource>\n"
           "  </resources>\n"
           "</manifest>\n";
}

}  // namespace

ScormVersion ScormVersionFromText(const std::string& text) {
    if (text.empty()) {
        return ScormVersion::None;
    }
    if (text == "1.2") {
        return ScormVersion::Scorm12;
    }
    if (text == "2004") {
        return ScormVersion::Scorm2004;
    }
    throw RuntimeError("The SCORM version must be 1.2 or 2004, not '" + text + "'.");
}

std::string ScormVersionText(ScormVersion version) {
    switch (version) {
        case ScormVersion::Scorm12:
            return "1.2";
        case ScormVersion::Scorm2004:
            return "2004";
        case ScormVersion::None:
            break;
    }
    return "";
}

std::string ScormManifest(ScormVersion version, const std::string& identifier,
                          const std::string& title, int passPercent,
                          const std::vector<std::string>& files) {
    const std::string escapedTitle = MarkupEscaped(title);
    const std::string escapedIdentifier = MarkupEscaped(identifier);
    return version == ScormVersion::Scorm12
               ? Scorm12(escapedIdentifier, escapedTitle, passPercent, files)
               : Scorm2004(escapedIdentifier, escapedTitle, passPercent, files);
}

}  // namespace htmlsim
