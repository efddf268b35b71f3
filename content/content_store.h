#pragma once

#include "content/content_table.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace content {

// The store of all quiz content: read only, by position, as the table gave it.
class ContentStore {
public:
    explicit ContentStore(ContentTable table);

    // Danni(0..3); a list the table lacks is empty.
    const std::vector<std::string>& danni(int index) const;
    // Otgowor(0) is the flag list, Otgowor(n) the extra lines of phrase n; empty when absent.
    const std::vector<std::string>& otgowor(int index) const;
    const std::string& ukazanie() const { return table_.ukazanie; }
    const std::vector<std::string>& pictureFlags() const { return table_.pictureFlags; }
    const std::string& siteAddress() const { return table_.siteAddress; }

    // The first position of Danni(list) holding exactly this text, or -1. With duplicate phrases
    // every copy finds the first one.
    int firstMatch(int list, const std::string& text) const;

private:
    ContentTable table_;
    std::unordered_map<std::string, int> firstLeft_;
    std::unordered_map<std::string, int> firstRight_;
};

// Item i of a list; a position outside it reads as an empty text.
const std::string& itemAt(const std::vector<std::string>& list, int position);

} // namespace content
