# Writes two scripts into the build folder from the headers in limits/: one
# of exactly 32768 bytes, which runs, and one of 32769 bytes, which is
# refused with a message. The padding is a comment, so the repository keeps
# no large files.
set(ZEP_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/scripts/generated)

# The header (UTF-8, LF) is written as a script (Shift-JIS, CR LF), then the
# padding comment is appended up to the size.
function(zep_padded_script name size)
  set(head ${CMAKE_CURRENT_SOURCE_DIR}/limits/${name}.head)
  set(out ${ZEP_GENERATED_DIR}/${name}.zep)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEP_GENERATED_DIR}
    COMMAND ${ZEP_ENCODE} ${head} ${out}
    COMMAND ${CMAKE_COMMAND} -DFILE=${out} -DSIZE=${size} -P ${CMAKE_CURRENT_SOURCE_DIR}/pad_script.cmake
    DEPENDS ${head} ${ZEP_ENCODE} ${CMAKE_CURRENT_SOURCE_DIR}/pad_script.cmake
    VERBATIM)
  list(APPEND ZEP_SIZE_LIMIT_SCRIPTS ${out})
  set(ZEP_SIZE_LIMIT_SCRIPTS ${ZEP_SIZE_LIMIT_SCRIPTS} PARENT_SCOPE)
endfunction()

set(ZEP_SIZE_LIMIT_SCRIPTS)
zep_padded_script(size_32768 32768)
zep_padded_script(size_32769 32769)
