#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lucen {

// Base64 as RFC 4648 has it, with padding; what a browser's btoa() and atob() read and write.
std::string ToBase64(std::string_view bytes);
// Nothing for text with a character outside the alphabet or a misplaced '='; the padding may be
// left out.
std::optional<std::string> FromBase64(std::string_view text);

}  // namespace lucen
