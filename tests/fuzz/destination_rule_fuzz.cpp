// The proposed destination is the path itself, or the path with its file
// name's extension replaced by "_Out.pdf"; the folder part never changes.

#include "core/destination_rule.h"

#include <cstdlib>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void check(const std::string& path, ordanex::PathStyle style)
{
    const std::string result = ordanex::DestinationRule::apply(path, style);
    const auto separator = path.find_last_of(ordanex::folderSeparators(style));
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const bool nameHasDot = path.find('.', nameStart) != std::string::npos;

    require(result.compare(0, nameStart, path, 0, nameStart) == 0);
    if (!nameHasDot) {
        require(result == path);
        return;
    }
    const std::string suffix = "_Out.pdf";
    require(result.size() >= suffix.size() &&
            result.compare(result.size() - suffix.size(), suffix.size(), suffix) == 0);
    const std::string stem = result.substr(0, result.size() - suffix.size());
    require(stem.size() >= nameStart);
    require(path.compare(0, stem.size(), stem) == 0);
    require(path[stem.size()] == '.');
    require(path.find('.', stem.size() + 1) == std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path(reinterpret_cast<const char*>(data), size);
    check(path, ordanex::PathStyle::Unix);
    check(path, ordanex::PathStyle::Windows);
    return 0;
}
