#pragma once

#include <string>
#include <vector>

namespace content {

// Everything the quiz shows, as the content store holds it. Positions matter: left phrase n and
// right phrase n (item n-1 of each list) make the one correct pair n.
struct ContentTable {
    // The site address that begins the window captions.
    std::string siteAddress;
    // Danni(0..3): left phrases, right phrases, an unused list, title and window geometry.
    std::vector<std::vector<std::string>> danni;
    // Otgowor(0): a label then the flags saying which phrases have extra explanation lines;
    // Otgowor(n): the extra lines of phrase n.
    std::vector<std::vector<std::string>> otgowor;
    // Ukazanie(0): the instruction text, lines ending in CR LF.
    std::string ukazanie;
    // The picture store's list: a label, then the has-picture flag of each phrase number.
    std::vector<std::string> pictureFlags;
};

// The states of the USA and their capitals.
ContentTable builtinContent();

// The built-in content with other phrase lists, for quizzes of another size.
ContentTable builtinContentWith(std::vector<std::string> left, std::vector<std::string> right);

} // namespace content
