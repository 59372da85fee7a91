#include "model/ClickableAreas.h"

#include <algorithm>

#include "util/RuntimeError.h"

namespace htmlsim {

std::string AreaKey(int index) {
    return "shapeindex=" + std::to_string(index);
}

ClickableAreas::ClickableAreas(const ClickableAreas& other)
    : mAreas(other.mAreas), mByKey(other.mByKey) {
    mKeys.reserve(other.mKeys.size());
    for (const std::string* key : other.mKeys) {
        mKeys.push_back(key == nullptr ? nullptr : &mByKey.find(*key)->first);
    }
}

ClickableAreas& ClickableAreas::operator=(const ClickableAreas& other) {
    if (this != &other) {
        *this = ClickableAreas(other);
    }
    return *this;
}

ClickableAreaPtr ClickableAreas::Add(const std::string& name, int16_t height, int16_t width,
                                     int16_t top, int16_t left, int16_t index,
                                     const std::string& key, int16_t imageID) {
    auto area = std::make_shared<ClickableArea>();
    const std::string* keyHeld = nullptr;
    if (!key.empty()) {
        const auto [entry, added] = mByKey.try_emplace(key, area);
        if (!added) {
            throw RuntimeError(
                "This key is already associated with an element of this collection: '" + key + "'");
        }
        keyHeld = &entry->first;
    }
    area->Name = name;
    area->Height = height;
    area->Width = width;
    area->Top = top;
    area->Left = left;
    area->Index = index;
    area->ImageID = imageID;
    mAreas.push_back(area);
    mKeys.push_back(keyHeld);
    return area;
}

void ClickableAreas::Reserve(size_t count) {
    mAreas.reserve(count);
    mKeys.reserve(count);
    mByKey.reserve(count);
}

ClickableAreaPtr ClickableAreas::GetItem(const std::string& name) const {
    const auto found =
        std::find_if(mAreas.begin(), mAreas.end(),
                     [&](const ClickableAreaPtr& area) { return area->Name == name; });
    return found == mAreas.end() ? nullptr : *found;
}

bool ClickableAreas::NameExists(const std::string& name) const {
    return GetItem(name) != nullptr;
}

size_t ClickableAreas::CheckedOffset(size_t position) const {
    if (position < 1 || position > mAreas.size()) {
        throw RuntimeError("Subscript out of range: no area at position " +
                           std::to_string(position));
    }
    return position - 1;
}

const ClickableAreaPtr& ClickableAreas::Item(size_t position) const {
    return mAreas[CheckedOffset(position)];
}

const ClickableAreaPtr& ClickableAreas::Item(const std::string& key) const {
    const auto found = mByKey.find(key);
    if (found == mByKey.end()) {
        throw RuntimeError("No area under the key '" + key + "'");
    }
    return found->second;
}

bool ClickableAreas::KeyExists(const std::string& key) const {
    return mByKey.count(key) > 0;
}

void ClickableAreas::Remove(size_t position) {
    const size_t offset = CheckedOffset(position);
    if (mKeys[offset] != nullptr) {
        mByKey.erase(mByKey.find(*mKeys[offset]));
    }
    mAreas.erase(mAreas.begin() + static_cast<std::ptrdiff_t>(offset));
    mKeys.erase(mKeys.begin() + static_cast<std::ptrdiff_t>(offset));
}

void ClickableAreas::Remove(const std::string& key) {
    const auto found = std::find_if(mKeys.begin(), mKeys.end(), [&](const std::string* held) {
        return held != nullptr && *held == key;
    });
    if (found == mKeys.end()) {
        throw RuntimeError("No area under the key '" + key + "'");
    }
    Remove(static_cast<size_t>(found - mKeys.begin()) + 1);
}

void ClickableAreas::Clear() {
    mAreas.clear();
    mKeys.clear();
    mByKey.clear();
}

}  // namespace htmlsim
