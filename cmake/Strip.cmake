# The executables ship stripped: their debug information (most of a RelWithDebInfo build's
# size) moves to <exe>.debug beside the build's exe, which names it in a .gnu_debuglink
# section, so a debugger pointed at the build finds it. The install layouts, the zip and the
# installer copy the exe alone.
#   qv_ship_stripped(<target>...)
function(qv_ship_stripped)
  foreach(target ${ARGN})
    set(exe $<TARGET_FILE:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${exe} ${exe}.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${exe}.debug ${exe}
      COMMENT "Stripping ${target}: its debug information goes beside it as <exe>.debug"
      VERBATIM)
  endforeach()
endfunction()
