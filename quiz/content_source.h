#pragma once

namespace content {
class ContentStore;
}

namespace keb {

// Where the quiz windows read the content from: the store KEB_danni, which comes into being on
// its first read. The program that owns the windows gives it.
class ContentSource {
public:
    virtual ~ContentSource() = default;
    virtual const content::ContentStore& danni() = 0;
};

} // namespace keb
