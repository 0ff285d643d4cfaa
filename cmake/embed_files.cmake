# Writes OUTPUT, a C++ source that holds every file of FILES as a byte array, found by file name
# through embedded_file() (src/platform/sdl/embedded_files.h). Run with cmake -P.
set(body "")
set(table "")
set(n 0)
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char file${n}[${size}] = {${bytes}};\n")
  string(APPEND table "    {\"${name}\", {file${n}, ${size}}},\n")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated at build time from assets/pictures and assets/icons: do not edit.
#include \"platform/sdl/embedded_files.h\"

#include <array>
#include <utility>

namespace metria {
namespace {
${body}
const std::pair<std::string_view, std::span<const unsigned char>> kFiles[] = {
${table}    {\"\", {}},
};
}  // namespace

std::span<const unsigned char> embedded_file(std::string_view name) {
  for (const auto& [file_name, bytes] : kFiles)
    if (file_name == name) return bytes;
  return {};
}

}  // namespace metria
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
