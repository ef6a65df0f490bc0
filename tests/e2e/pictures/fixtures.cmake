# The picture files that the pictures/ scripts load, written beside the
# converted scripts by tools/make_picture_fixtures.py, so that the
# repository keeps no binary files.
set(ZEP_PICTURE_DIR ${CMAKE_CURRENT_BINARY_DIR}/scripts/pictures)
set(ZEP_PICTURE_TOOL ${CMAKE_SOURCE_DIR}/tools/make_picture_fixtures.py)
set(ZEP_PICTURE_FIXTURES)
foreach(name bmp1 bmp1td bmp4 bmp4td bmp8 bmp8td bmp24 bmp24td cut text rle8 rle4 bf16 bf16v4td
    bf32v5 bf32td os2_1 os2_4 os2_8 os2_24 grp_wide grp_hdrsize)
  list(APPEND ZEP_PICTURE_FIXTURES ${ZEP_PICTURE_DIR}/${name}.bmp)
endforeach()
list(APPEND ZEP_PICTURE_FIXTURES ${ZEP_PICTURE_DIR}/black.jpg ${ZEP_PICTURE_DIR}/red.gif
  ${ZEP_PICTURE_DIR}/blue.ico)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${ZEP_PICTURE_FIXTURES}
  COMMAND ${Python3_EXECUTABLE} ${ZEP_PICTURE_TOOL} ${ZEP_PICTURE_DIR}
  DEPENDS ${ZEP_PICTURE_TOOL}
  VERBATIM)
