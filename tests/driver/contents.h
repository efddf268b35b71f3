#pragma once

// Contents for tests, and the tests' own account of the order sorted lists keep. Nothing here
// needs the toolkit.

#include "content/content_table.h"

#include <string>

namespace test {

// Content of n pairs "Ляв k" / "Десен k " built on the built-in texts.
content::ContentTable numberedContent(int left, int right);

// The built-in content with phrase n's has-picture flag set as given.
content::ContentTable withPictureFlag(int n, const std::string& flag);

// Whether a comes before b in the Windows-1251 byte order of their texts, the order of the
// sorted lists, worked out here from the code page's table of letters, not by the program's
// own comparison.
bool codePageLess(const std::string& a, const std::string& b);

} // namespace test
