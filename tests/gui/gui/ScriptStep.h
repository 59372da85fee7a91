#pragma once

#include <QPoint>
#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace htmlsim::gui::testing {

// A line of a script: its words, and the text after some of them.
struct Step {
    explicit Step(const std::string& line) : text(line) {
        std::istringstream in(line);
        for (std::string word; in >> word;) {
            words.push_back(word);
        }
    }
    std::string operator[](size_t index) const {
        return index < words.size() ? words[index] : std::string();
    }
    // The text after the first `count` words.
    std::string Rest(size_t count) const {
        size_t at = 0;
        for (size_t word = 0; word < count; ++word) {
            at = text.find(words.at(word), at) + words.at(word).size();
        }
        return text.substr(std::min(text.find_first_not_of(' ', at), text.size()));
    }
    QPoint Point(size_t index) const {
        int x = -1, y = -1;
        std::sscanf((*this)[index].c_str(), "%d,%d", &x, &y);
        return {x, y};
    }
    std::vector<QPoint> Points(size_t from) const {
        std::vector<QPoint> points;
        for (size_t index = from; index < words.size(); ++index) {
            points.push_back(Point(index));
        }
        return points;
    }
    int Number(size_t index) const { return std::stoi((*this)[index]); }

    std::string text;
    std::vector<std::string> words;
};

}  // namespace htmlsim::gui::testing
