# The files the editor/ scripts open, written beside the converted scripts
# (Shift-JIS, CR LF) from files/ here: the padded ones up to an exact size,
# so that the repository keeps no large files. They are not tests
# themselves.
set(ZEP_EDITOR_FILE_DIR ${CMAKE_CURRENT_BINARY_DIR}/scripts/editor/files)
set(ZEP_EDITOR_FILES)

# files/<source> written as <name>, padded to size bytes unless size is 0.
function(zep_editor_file name source size)
  set(in ${CMAKE_CURRENT_SOURCE_DIR}/editor/files/${source})
  set(out ${ZEP_EDITOR_FILE_DIR}/${name})
  set(pad)
  if(NOT size EQUAL 0)
    set(pad COMMAND ${CMAKE_COMMAND} -DFILE=${out} -DSIZE=${size}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/pad_script.cmake)
  endif()
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEP_EDITOR_FILE_DIR}
    COMMAND ${ZEP_ENCODE} ${in} ${out}
    ${pad}
    DEPENDS ${in} ${ZEP_ENCODE} ${CMAKE_CURRENT_SOURCE_DIR}/pad_script.cmake
    VERBATIM)
  list(APPEND ZEP_EDITOR_FILES ${out})
  set(ZEP_EDITOR_FILES ${ZEP_EDITOR_FILES} PARENT_SCOPE)
endfunction()

zep_editor_file(hello.zep hello.txt 0)
zep_editor_file(size_65534.zep padded.txt 65534)
zep_editor_file(size_65535.zep padded.txt 65535)
