# Every example script runs end to end for a few seconds: its window opens
# and shows more than one colour, no error box appears, and it closes. The
# test script is the example itself behind a few directives, written into
# scripts/examples/ (the picture saved there serves the guide).
#
# An example may also be played: examples/NAME.play here holds directives
# (UTF-8, LF) that use it as a pupil would, and NAME_play.zep is the example
# behind them (Shift-JIS, CR LF).
file(GLOB ZEP_EXAMPLES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*.zep)
file(GLOB ZEP_EXAMPLE_PLAYS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/examples/*.play)
set(ZEP_EXAMPLE_SCRIPTS)
foreach(example ${ZEP_EXAMPLES})
  get_filename_component(name ${example} NAME_WE)
  set(out ${ZEP_E2E_DIR}/examples/${name}.zep)
  add_custom_command(OUTPUT ${out}
    COMMAND ${Python3_EXECUTABLE} -c
            "import sys; head = '//! window RUN\\r\\n//! notblank\\r\\n//! nobox 2500\\r\\n//! shot ' + sys.argv[3] + '.bmp\\r\\n//! running\\r\\n//! close\\r\\n//! gone\\r\\n//! exit 0\\r\\n'; open(sys.argv[2], 'wb').write(head.encode() + open(sys.argv[1], 'rb').read())"
            ${example} ${out} ${name}
    DEPENDS ${example}
    VERBATIM)
  list(APPEND ZEP_EXAMPLE_SCRIPTS ${out})
  set(play ${CMAKE_CURRENT_SOURCE_DIR}/examples/${name}.play)
  if(play IN_LIST ZEP_EXAMPLE_PLAYS)
    set(out ${ZEP_E2E_DIR}/examples/${name}_play.zep)
    add_custom_command(OUTPUT ${out}
      COMMAND ${Python3_EXECUTABLE} -c
              "import sys; head = open(sys.argv[1], encoding='utf-8').read().replace('\\n', '\\r\\n').encode('cp932'); open(sys.argv[3], 'wb').write(head + open(sys.argv[2], 'rb').read())"
              ${play} ${example} ${out}
      DEPENDS ${example} ${play}
      VERBATIM)
    list(APPEND ZEP_EXAMPLE_SCRIPTS ${out})
  endif()
endforeach()
