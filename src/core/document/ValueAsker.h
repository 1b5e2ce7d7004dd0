// The questions the value entry asks the user: an input box that corrects a typed value (a
// real object's distance is negative, an F-number at least 1, …), and the choice between the
// two numbers an ambiguous text may mean. The window answers them with real dialogs, tests with
// a script.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

class ValueAsker {
public:
    virtual ~ValueAsker() = default;
    // Shows the prompt with its title and default answer; nothing when the user cancels.
    virtual std::optional<std::string> Ask(std::string_view prompt, std::string_view title,
                                           std::string_view defaultAnswer) = 0;
    // Offers the answers as buttons beside one that cancels, the first the default; the index
    // of the answer chosen, nothing when the user cancels.
    virtual std::optional<std::size_t> Choose(std::string_view prompt, std::string_view title,
                                              const std::vector<std::string>& answers) = 0;
};

}  // namespace lumarik
