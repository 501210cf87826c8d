# Assembles the install layout: the exe, the command line, the default files and the skins.
add_custom_target(dist ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QV318_Driver_real> ${QV_DIST_DIR}/QV318_Driver.exe
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:qv318ctl> ${QV_DIST_DIR}/qv318ctl.exe
  DEPENDS QV318_Driver_real qv318ctl
  COMMENT "Assembling ${QV_DIST_DIR}")
add_dependencies(dist skins)
if(TARGET default_files)
  add_dependencies(dist default_files)
endif()

# The user's guide: one page per language, with the reviewed screenshots of the page that
# the end-to-end tests compare against as its pictures.
file(GLOB QV_GUIDE_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*.html ${CMAKE_SOURCE_DIR}/resources/help/*.css)
set(QV_GUIDE_COMMANDS
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_DIST_DIR}/Help/images
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QV_GUIDE_PAGES} ${QV_DIST_DIR}/Help/)
foreach(lang EN CHS CHT)
  set(picture ${CMAKE_SOURCE_DIR}/tests/e2e/reference/page-Carbon-${lang}.png)
  if(EXISTS ${picture})
    list(APPEND QV_GUIDE_COMMANDS COMMAND ${CMAKE_COMMAND} -E copy_if_different ${picture}
         ${QV_DIST_DIR}/Help/images/page-${lang}.png)
  endif()
endforeach()
add_custom_target(guide ALL ${QV_GUIDE_COMMANDS} COMMENT "User's guide into ${QV_DIST_DIR}/Help")
add_dependencies(dist guide)

# The same layout with the simulated program, for trying everything without the mouse.
add_custom_target(dist_sim ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${QV_DIST_DIR} ${QV_DIST_SIM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QV318_Driver_sim> ${QV_DIST_SIM_DIR}/QV318_Driver.exe
  DEPENDS QV318_Driver_sim
  COMMENT "Assembling ${QV_DIST_SIM_DIR}")
add_dependencies(dist_sim dist)
