# The sound files that the sound/ scripts play, written beside the converted
# scripts by tools/make_sound_fixtures.py.
set(ZEP_SOUND_DIR ${CMAKE_CURRENT_BINARY_DIR}/scripts/sound)
set(ZEP_SOUND_TOOL ${CMAKE_SOURCE_DIR}/tools/make_sound_fixtures.py)
set(ZEP_SOUND_FIXTURES ${ZEP_SOUND_DIR}/tone.wav ${ZEP_SOUND_DIR}/tone16s.wav
  ${ZEP_SOUND_DIR}/tone_ext.wav ${ZEP_SOUND_DIR}/zero_channels.wav ${ZEP_SOUND_DIR}/one_bit.wav
  ${ZEP_SOUND_DIR}/tune.mid)
add_custom_command(OUTPUT ${ZEP_SOUND_FIXTURES}
  COMMAND ${Python3_EXECUTABLE} ${ZEP_SOUND_TOOL} ${ZEP_SOUND_DIR}
  DEPENDS ${ZEP_SOUND_TOOL}
  VERBATIM)
