# The design pictures as bytes in a generated source, for programs that decode them with the
# simulated platform's decoder (the skin tools' preview).
include(${CMAKE_CURRENT_LIST_DIR}/design_picture_list.cmake)

set(TARNWICK_DESIGN_BYTES_SOURCE ${CMAKE_BINARY_DIR}/generated/design_picture_bytes.cpp)
set(arrays "")
set(views "")
set(index 0)
foreach(picture ${TARNWICK_DESIGN_PICTURE_FILES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${picture})
  file(READ ${CMAKE_SOURCE_DIR}/${picture} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(APPEND arrays "const unsigned char kPicture${index}[] = {${hex}};\n")
  string(APPEND views "      {reinterpret_cast<const char*>(kPicture${index}), sizeof kPicture${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(CONFIGURE OUTPUT ${TARNWICK_DESIGN_BYTES_SOURCE} CONTENT "// Generated from assets/ by cmake/design_pictures.cmake.
#include \"skin_tools/design_pictures.h\"

namespace tarnwick::skin_tools {
namespace {
${arrays}}  // namespace

const std::vector<std::string_view>& DesignPictureFiles() {
  static const std::vector<std::string_view> files{
${views}  };
  return files;
}

}  // namespace tarnwick::skin_tools
")
