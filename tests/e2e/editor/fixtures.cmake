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
# The example the sample menu's test opens, as shipped (already Shift-JIS
# with CR LF), to compare the editor's copy with.
set(out ${ZEP_EDITOR_FILE_DIR}/sample_hello.zep)
add_custom_command(OUTPUT ${out}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEP_EDITOR_FILE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/examples/hello.zep ${out}
  DEPENDS ${CMAKE_SOURCE_DIR}/examples/hello.zep
  VERBATIM)
list(APPEND ZEP_EDITOR_FILES ${out})
zep_editor_file(size_65534.zep padded.txt 65534)
zep_editor_file(size_65535.zep padded.txt 65535)

# The compile tests' scripts, whose compacted texts have the sizes at the
# edges of the stub classes, and their icon file.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ZEP_COMPILE_FIXTURES ${CMAKE_CURRENT_SOURCE_DIR}/compiled/fixtures.py)
foreach(size 3071 3072 24575 24576 65535)
  set(out ${ZEP_EDITOR_FILE_DIR}/size${size}.zep)
  set(short 0)
  if(size EQUAL 65535)
    set(short 1)
  endif()
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEP_EDITOR_FILE_DIR}
    COMMAND ${Python3_EXECUTABLE} ${ZEP_COMPILE_FIXTURES} script ${out} ${size} ${short}
    DEPENDS ${ZEP_COMPILE_FIXTURES}
    VERBATIM)
  list(APPEND ZEP_EDITOR_FILES ${out})
endforeach()
set(out ${ZEP_EDITOR_FILE_DIR}/red.icn)
add_custom_command(OUTPUT ${out}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEP_EDITOR_FILE_DIR}
  COMMAND ${Python3_EXECUTABLE} ${ZEP_COMPILE_FIXTURES} icon ${out}
  DEPENDS ${ZEP_COMPILE_FIXTURES}
  VERBATIM)
list(APPEND ZEP_EDITOR_FILES ${out})
