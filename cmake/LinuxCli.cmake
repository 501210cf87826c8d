# qv318ctl for Linux, optimised and without sanitizers, and its Debian package built with
# dpkg-deb: the program, the udev rule that gives the seated user the mouse, the man page.
set(QV_CLI_VERSION ${PROJECT_VERSION})
target_compile_options(qvcore PRIVATE -O2)
add_executable(qv318ctl ${CMAKE_SOURCE_DIR}/src/cli/linux/main.cpp)
target_link_libraries(qv318ctl PRIVATE qvcore)
target_compile_options(qv318ctl PRIVATE ${QV_WARNINGS})
# Only libc from the system: the package then needs no C++ runtime of a given version.
target_link_options(qv318ctl PRIVATE -static-libstdc++ -static-libgcc -Wl,--gc-sections)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE QV_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QV_DEB_ROOT ${CMAKE_BINARY_DIR}/deb-root)
set(QV_DEB_FILE ${CMAKE_BINARY_DIR}/qv318ctl_${QV_CLI_VERSION}_${QV_DEB_ARCH}.deb)
set(QV_LINUX_RESOURCES ${CMAKE_SOURCE_DIR}/resources/linux)
configure_file(${QV_LINUX_RESOURCES}/control.in ${CMAKE_BINARY_DIR}/deb-control @ONLY)
configure_file(${QV_LINUX_RESOURCES}/qv318ctl.1.in ${CMAKE_BINARY_DIR}/qv318ctl.1 @ONLY)

add_custom_command(OUTPUT ${QV_DEB_FILE}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QV_DEB_ROOT}
  COMMAND install -d ${QV_DEB_ROOT}/DEBIAN ${QV_DEB_ROOT}/usr/bin ${QV_DEB_ROOT}/usr/lib/udev/rules.d
          ${QV_DEB_ROOT}/usr/share/man/man1 ${QV_DEB_ROOT}/usr/share/doc/qv318ctl
  COMMAND install -m 0755 -s $<TARGET_FILE:qv318ctl> ${QV_DEB_ROOT}/usr/bin/qv318ctl
  COMMAND install -m 0644 ${QV_LINUX_RESOURCES}/70-qv318.rules ${QV_DEB_ROOT}/usr/lib/udev/rules.d/
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/qv318ctl.1 > ${QV_DEB_ROOT}/usr/share/man/man1/qv318ctl.1.gz
  COMMAND install -m 0644 ${QV_LINUX_RESOURCES}/copyright ${QV_DEB_ROOT}/usr/share/doc/qv318ctl/copyright
  COMMAND install -m 0644 ${CMAKE_BINARY_DIR}/deb-control ${QV_DEB_ROOT}/DEBIAN/control
  COMMAND install -m 0755 ${QV_LINUX_RESOURCES}/postinst ${QV_DEB_ROOT}/DEBIAN/postinst
  COMMAND dpkg-deb --root-owner-group -Zxz --build ${QV_DEB_ROOT} ${QV_DEB_FILE} > /dev/null
  DEPENDS qv318ctl ${CMAKE_BINARY_DIR}/deb-control ${QV_LINUX_RESOURCES}/70-qv318.rules
          ${CMAKE_BINARY_DIR}/qv318ctl.1 ${QV_LINUX_RESOURCES}/copyright ${QV_LINUX_RESOURCES}/postinst
  COMMENT "Packing ${QV_DEB_FILE}")
add_custom_target(deb ALL DEPENDS ${QV_DEB_FILE})
