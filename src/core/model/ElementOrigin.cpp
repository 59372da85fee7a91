#include "model/ElementOrigin.h"

#include <algorithm>

#include "util/RuntimeError.h"

namespace htmlsim {

void ElementOrigin::KeepTags(std::initializer_list<size_t> starts) {
    if (starts.size() > TagStarts.size()) {
        throw RuntimeError("An element is written through at most two tags");
    }
    std::transform(starts.begin(), starts.end(), TagStarts.begin(),
                   [](size_t start) { return static_cast<BodyOffset>(start); });
    TagCount = static_cast<uint8_t>(starts.size());
}

std::vector<HtmlTag> ElementOrigin::TagsIn(std::string_view body) const {
    std::vector<HtmlTag> tags;
    for (size_t t = 0; t < TagCount; ++t) {
        std::optional<HtmlTag> tag = NextHtmlTag(body, TagStarts[t]);
        if (!tag || tag->Start != TagStarts[t]) {
            throw RuntimeError("The section changed since it was read");
        }
        tags.push_back(std::move(*tag));
    }
    return tags;
}

}  // namespace htmlsim
