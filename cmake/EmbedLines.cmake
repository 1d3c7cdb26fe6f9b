# Embeds a text file into a generated C++ source: a function `SYMBOL()` in namespace NAMESPACE
# returns the file's non-empty lines as string views. The source is rewritten only when the
# text changes, and editing the text reconfigures the build.
function(korlink_embed_lines input output namespace symbol)
    file(STRINGS ${input} lines)
    set(body "")
    foreach(line IN LISTS lines)
        string(REPLACE "\\" "\\\\" line "${line}")
        string(REPLACE "\"" "\\\"" line "${line}")
        string(APPEND body "    \"${line}\",\n")
    endforeach()
    get_filename_component(name ${input} NAME)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
    file(CONFIGURE OUTPUT ${output} @ONLY CONTENT
"// Generated from @name@ by the build; edit that file instead.
#include <span>
#include <string_view>

namespace @namespace@ {
namespace {
constexpr std::string_view kLines[] = {
@body@};
} // namespace

std::span<const std::string_view> @symbol@() { return kLines; }

} // namespace @namespace@
")
endfunction()
