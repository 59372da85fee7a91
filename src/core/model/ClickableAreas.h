#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/ClickableArea.h"

namespace htmlsim {

using ClickableAreaPtr = std::shared_ptr<ClickableArea>;

// The areas and balloons of all images of a page, in insertion order, each optionally under a
// unique key ("shapeindex=" + Index by convention). Positions are 1-based. Unknown keys,
// positions out of range and duplicate keys are RuntimeErrors.
class ClickableAreas {
  public:
    using const_iterator = std::vector<ClickableAreaPtr>::const_iterator;

    ClickableAreas() = default;
    // A copy points its keys at its own map; moving keeps the map's nodes where they are.
    ClickableAreas(const ClickableAreas& other);
    ClickableAreas& operator=(const ClickableAreas& other);
    ClickableAreas(ClickableAreas&&) = default;
    ClickableAreas& operator=(ClickableAreas&&) = default;

    // Creates an area with these members (all others at their defaults) and appends it; an
    // empty key adds it without one.
    ClickableAreaPtr Add(const std::string& name, int16_t height, int16_t width, int16_t top,
                         int16_t left, int16_t index, const std::string& key, int16_t imageID);
    // Room for `count` areas in all, so that a large page's areas are added without regrowing.
    void Reserve(size_t count);

    // The first area whose Name equals name exactly, or nullptr.
    ClickableAreaPtr GetItem(const std::string& name) const;
    bool NameExists(const std::string& name) const;

    const ClickableAreaPtr& Item(size_t position) const;
    const ClickableAreaPtr& Item(const std::string& key) const;
    bool KeyExists(const std::string& key) const;
    size_t Count() const { return mAreas.size(); }

    void Remove(size_t position);
    void Remove(const std::string& key);
    void Clear();

    const_iterator begin() const { return mAreas.begin(); }
    const_iterator end() const { return mAreas.end(); }

  private:
    size_t CheckedOffset(size_t position) const;

    std::vector<ClickableAreaPtr> mAreas;
    std::unordered_map<std::string, ClickableAreaPtr> mByKey;
    // Parallel to mAreas: the key as mByKey holds it (its nodes never move), none for an area
    // without a key. A large page has tens of thousands of areas: each key is held once.
    std::vector<const std::string*> mKeys;
};

// The conventional key of the area shown by outline element `index`.
std::string AreaKey(int index);

}  // namespace htmlsim
