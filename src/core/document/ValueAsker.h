// The one question the value entry asks the user: an input box that corrects a typed value
// (a real object's distance is negative, an F-number at least 1, …). The window answers it
// with a real input box, tests with a script.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumarik {

class ValueAsker {
public:
    virtual ~ValueAsker() = default;
    // Shows the prompt with its title and default answer; nothing when the user cancels.
    virtual std::optional<std::string> Ask(std::string_view prompt, std::string_view title,
                                           std::string_view defaultAnswer) = 0;
};

}  // namespace lumarik
