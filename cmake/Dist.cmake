# Assembles the install layout: the exe, the default files and the skins.
add_custom_target(dist ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QV318_Driver> ${QV_DIST_DIR}/QV318_Driver.exe
  DEPENDS QV318_Driver
  COMMENT "Assembling ${QV_DIST_DIR}")
add_dependencies(dist skins)
if(TARGET default_files)
  add_dependencies(dist default_files)
endif()
