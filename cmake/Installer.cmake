# The installer and the portable zip of the install layout, both named with the project's
# version, beside the layout in ${QV_DIST_DIR}/.. . Built for the real program only.
find_program(QV_MAKENSIS makensis REQUIRED)

get_filename_component(QV_PACKAGE_DIR ${QV_DIST_DIR} DIRECTORY)
get_filename_component(QV_LAYOUT_NAME ${QV_DIST_DIR} NAME)
set(QV_INSTALLER ${QV_PACKAGE_DIR}/QV318_Driver-${PROJECT_VERSION}-setup.exe)
set(QV_PORTABLE_ZIP ${QV_PACKAGE_DIR}/QV318_Driver-${PROJECT_VERSION}-portable.zip)
set(QV_INSTALLER_FILES ${CMAKE_BINARY_DIR}/installer_files.nsh)
set(QV_INSTALLER_SCRIPT ${CMAKE_SOURCE_DIR}/resources/installer/installer.nsi)

# The layout's files are known only once dist has run: their list is written again after
# every dist, and the packing runs when that list or the script changed.
add_custom_target(installer_files
  COMMAND ${CMAKE_COMMAND} -DDIST_DIR=${QV_DIST_DIR} -DOUT=${QV_INSTALLER_FILES}
          -P ${CMAKE_SOURCE_DIR}/cmake/InstallerFiles.cmake
  BYPRODUCTS ${QV_INSTALLER_FILES}
  COMMENT "Listing the install layout for the installer"
  VERBATIM)
add_dependencies(installer_files dist)
add_custom_command(OUTPUT ${QV_INSTALLER} ${QV_PORTABLE_ZIP}
  COMMAND ${QV_MAKENSIS} -V2 -INPUTCHARSET UTF8
          -DVERSION=${PROJECT_VERSION} "-DPRODUCT=${QV_PRODUCT_NAME}" "-DPUBLISHER=${QV_PUBLISHER}"
          -DDIST_DIR=${QV_DIST_DIR} -DFILES_NSH=${QV_INSTALLER_FILES} -DICON=${QV_ICON_FILE}
          -DOUT_FILE=${QV_INSTALLER} ${QV_INSTALLER_SCRIPT}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${QV_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${QV_PORTABLE_ZIP} --format=zip ${QV_LAYOUT_NAME}
  WORKING_DIRECTORY ${QV_PACKAGE_DIR}
  DEPENDS ${QV_INSTALLER_FILES} ${QV_INSTALLER_SCRIPT} ${QV_ICON_FILE}
  COMMENT "Packing ${QV_INSTALLER} and ${QV_PORTABLE_ZIP}"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${QV_INSTALLER} ${QV_PORTABLE_ZIP})
add_dependencies(installer installer_files)
