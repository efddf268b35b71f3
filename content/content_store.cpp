#include "content/content_store.h"

#include <algorithm>
#include <utility>

namespace content {

namespace {

const std::vector<std::string> kNoList;
const std::string kNoText;

std::unordered_map<std::string, int> firstPositions(const std::vector<std::string>& list) {
    std::unordered_map<std::string, int> first;
    first.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        first.emplace(list[i], static_cast<int>(i)); // keeps the earliest
    }
    return first;
}

} // namespace

ContentStore::ContentStore(ContentTable table) : table_(std::move(table)) {
    table_.danni.resize(std::max<std::size_t>(table_.danni.size(), 4));
    firstLeft_ = firstPositions(table_.danni[0]);
    firstRight_ = firstPositions(table_.danni[1]);
}

const std::vector<std::string>& ContentStore::danni(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= table_.danni.size()) {
        return kNoList;
    }
    return table_.danni[static_cast<std::size_t>(index)];
}

const std::vector<std::string>& ContentStore::otgowor(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= table_.otgowor.size()) {
        return kNoList;
    }
    return table_.otgowor[static_cast<std::size_t>(index)];
}

int ContentStore::firstMatch(int list, const std::string& text) const {
    const auto& index = list == 0 ? firstLeft_ : firstRight_;
    const auto found = index.find(text);
    return found == index.end() ? -1 : found->second;
}

const std::string& itemAt(const std::vector<std::string>& list, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= list.size()) {
        return kNoText;
    }
    return list[static_cast<std::size_t>(position)];
}

} // namespace content
