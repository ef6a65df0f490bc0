# Writes two scripts into the build folder from the headers in limits/: one
# of exactly 32768 bytes, which runs, and one of 32769 bytes, which is
# refused with a message. The padding is a comment, so the repository keeps
# no large files.
set(ZEP_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${ZEP_GENERATED_DIR})

# The header is copied byte for byte (its CR LF line ends matter), then the
# padding comment is appended.
function(zep_padded_script name size)
  set(out ${ZEP_GENERATED_DIR}/${name}.zep)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/limits/${name}.head ${out} COPYONLY)
  file(SIZE ${out} used)
  math(EXPR pad "${size} - ${used} - 2")
  string(REPEAT "x" ${pad} filler)
  file(APPEND ${out} "//${filler}")
endfunction()

zep_padded_script(size_32768 32768)
zep_padded_script(size_32769 32769)
set(ZEP_SIZE_LIMIT_SCRIPTS ${ZEP_GENERATED_DIR}/size_32768.zep ${ZEP_GENERATED_DIR}/size_32769.zep)
