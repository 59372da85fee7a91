#include "model/ElementOrigin.h"

#include "util/RuntimeError.h"

namespace htmlsim {

void ElementOrigin::KeepTags(std::initializer_list<size_t> starts) {
    if (starts.size() > 2) {
        throw RuntimeError("An element is written through at most two tags");
    }
    auto start = starts.begin();
    if (starts.size() > 0) {
        Start = static_cast<BodyOffset>(*start++);
    }
    if (starts.size() > 1) {
        InnerTagStart = static_cast<BodyOffset>(*start);
    }
    TagCount = static_cast<uint8_t>(starts.size());
}

std::vector<HtmlTag> ElementOrigin::TagsIn(std::string_view body) const {
    std::vector<HtmlTag> tags;
    for (size_t t = 0; t < TagCount; ++t) {
        const size_t start = t == 0 ? Start : InnerTagStart;
        std::optional<HtmlTag> tag = NextHtmlTag(body, start);
        if (!tag || tag->Start != start) {
            throw RuntimeError("The section changed since it was read");
        }
        tags.push_back(std::move(*tag));
    }
    return tags;
}

}  // namespace htmlsim
