# The Win32 layer, QV318_Driver.exe, the Windows-side tests and the install layout.
enable_language(RC)

set(QV_WIN_DEFINES UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601)
target_compile_definitions(qvcore PUBLIC ${QV_WIN_DEFINES})

# gdiplus.dll is loaded by hand (ui/win32/gdiplus_library.cpp), so that it can be unloaded.
set(QV_WIN_LIBS comctl32 comdlg32 setupapi hid msimg32 oleacc shlwapi shell32 user32 gdi32 ole32 oleaut32 uuid)

file(GLOB_RECURSE QV_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/win32/*.cpp)
# The command line's own Win32 files are its program's alone (cli/win32/): the core's
# cli/ files call into them, so they must come before the libraries on its link line.
list(FILTER QV_WIN_SOURCES EXCLUDE REGEX "/win32/main\\.cpp$|_sim\\.cpp$|/cli/win32/")
add_library(qvwin STATIC ${QV_WIN_SOURCES})
target_link_libraries(qvwin PUBLIC qvcore ${QV_WIN_LIBS})
target_compile_options(qvwin PRIVATE ${QV_WARNINGS})
target_include_directories(qvwin PUBLIC ${CMAKE_SOURCE_DIR}/resources)
# The simulated program differs from the real one only in the *_sim.cpp files (the bus, the
# save hook), so one tree builds both: the simulated program links their objects ahead of
# qvwin, and the linker then never takes qvwin's *_real.cpp members, which define the same.
file(GLOB_RECURSE QV_WIN_SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/win32/*_sim.cpp)
add_library(qvwin_sim OBJECT ${QV_WIN_SIM_SOURCES})
target_link_libraries(qvwin_sim PUBLIC qvwin)
target_compile_options(qvwin_sim PRIVATE ${QV_WARNINGS})

# Skins and the program icon are rendered from the sources in resources/skins.
add_subdirectory(${CMAKE_SOURCE_DIR}/resources/skins ${CMAKE_BINARY_DIR}/skins)

configure_file(${CMAKE_SOURCE_DIR}/resources/app.rc.in ${CMAKE_BINARY_DIR}/app.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/app.rc PROPERTIES OBJECT_DEPENDS "${QV_ICON_FILE};${CMAKE_SOURCE_DIR}/resources/app.manifest")
include(${CMAKE_SOURCE_DIR}/cmake/DelayLoad.cmake)
qv_delay_load_libraries(QV_DELAY_LIBS hid msimg32 comctl32 oleacc comdlg32 oleaut32)
# Both programs are QV318_Driver.exe, for the program finds its files by its own name.
foreach(kind real sim)
  set(program QV318_Driver_${kind})
  set(parts "")
  if(kind STREQUAL "sim")
    set(parts qvwin_sim)
  endif()
  add_executable(${program} WIN32 ${CMAKE_SOURCE_DIR}/src/app/win32/main.cpp ${CMAKE_BINARY_DIR}/app.rc)
  set_target_properties(${program} PROPERTIES OUTPUT_NAME QV318_Driver RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${kind})
  target_include_directories(${program} PRIVATE ${CMAKE_SOURCE_DIR}/resources)
  # Listed before qvwin's own import libraries, so these win the symbols.
  target_link_libraries(${program} PRIVATE ${parts} qvwin ${QV_DELAY_LIBS} delayimp)
  add_dependencies(${program} delay_load_libraries skin_icon)
  target_link_options(${program} PRIVATE -municode)
  target_compile_options(${program} PRIVATE ${QV_WARNINGS})
endforeach()
include(${CMAKE_SOURCE_DIR}/cmake/Strip.cmake)
qv_ship_stripped(QV318_Driver_real QV318_Driver_sim)

# The command-line companion, a console program over the same core, hardened as the tray
# program is: HID.DLL delay-loaded.
file(GLOB QV_CLI_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/cli/win32/*.cpp)
add_executable(qv318ctl ${QV_CLI_WIN_SOURCES})
target_link_libraries(qv318ctl PRIVATE qvwin ${QV_DELAY_LIBS} delayimp)
add_dependencies(qv318ctl delay_load_libraries)
qv_ship_stripped(qv318ctl)
target_link_options(qv318ctl PRIVATE -municode)
target_compile_options(qv318ctl PRIVATE ${QV_WARNINGS})

# One ctest entry per test executable, run in one Wine process: a Wine start costs seconds,
# more than most cases take, and gtest's output names every case that fails. The soaks (a
# thousand windows opened each) have an entry each, with a longer timeout; they are found in
# the sources, since listing them from the executable would start Wine at build time.
function(qv_add_gtest_cases target prefix)
  set(ws "[ \t\r\n]*")
  set(soaks "")
  foreach(source ${ARGN})
    if(NOT source MATCHES "\\.cpp$")
      continue()
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})  # new soaks re-register
    file(READ ${source} text)
    string(REGEX REPLACE "//[^\n]*" "" text "${text}")  # a comment may mention TEST(
    string(REGEX MATCHALL "TEST${ws}\\(${ws}[A-Za-z_0-9]+${ws},${ws}AThousand[A-Za-z_0-9]*" hits "${text}")
    foreach(hit ${hits})
      string(REGEX MATCH "\\(${ws}([A-Za-z_0-9]+)${ws},${ws}([A-Za-z_0-9]+)" _ "${hit}")
      set(soak "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
      add_test(NAME ${prefix}${soak} COMMAND ${target} --gtest_filter=${soak})
      set_tests_properties(${prefix}${soak} PROPERTIES TIMEOUT 600)
      list(APPEND soaks "${soak}")
    endforeach()
  endforeach()
  list(JOIN soaks ":" skipped)
  add_test(NAME ${prefix}cases COMMAND ${target} --gtest_filter=*-${skipped})
  set_tests_properties(${prefix}cases PROPERTIES TIMEOUT 600)
endfunction()

# Windows-side tests: one executable per folder with a win32/ test folder, run under Wine.
file(GLOB QV_WIN_TEST_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*/win32)
foreach(dir ${QV_WIN_TEST_DIRS})
  get_filename_component(parent ${dir} DIRECTORY)
  get_filename_component(name ${parent} NAME)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    continue()
  endif()
  if(name STREQUAL "app")
    list(APPEND sources ${CMAKE_BINARY_DIR}/app.rc)  # the dialog tests use the real templates
  endif()
  add_executable(${name}_win_tests ${sources})
  target_link_libraries(${name}_win_tests PRIVATE qvwin GTest::gmock_main)
  add_dependencies(${name}_win_tests skin_icon)
  target_include_directories(${name}_win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/resources)
  target_compile_options(${name}_win_tests PRIVATE ${QV_WARNINGS} -Wno-maybe-uninitialized)
  target_compile_definitions(${name}_win_tests PRIVATE QV_SOURCE_DIR="${CMAKE_SOURCE_DIR}" QV_DIST_DIR="${QV_DIST_DIR}"
                                                     QV_VMOUSE_DIR="${CMAKE_BINARY_DIR}/vmouse")
  qv_add_gtest_cases(${name}_win_tests "win.${name}." ${sources})
endforeach()

# Build-time tools (the default files) run under the emulator.
file(GLOB QV_TOOL_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*)
foreach(dir ${QV_TOOL_DIRS})
  if(EXISTS ${dir}/CMakeLists.txt)
    get_filename_component(tool ${dir} NAME)
    add_subdirectory(${dir} ${CMAKE_BINARY_DIR}/tools/${tool})
  endif()
endforeach()

add_dependencies(device_win_tests vmouse)  # its virtual mouse test drives vmousectl

include(${CMAKE_SOURCE_DIR}/cmake/Dist.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/Installer.cmake)

# The observer the end-to-end tests drive the program with.
add_executable(qvprobe ${CMAKE_SOURCE_DIR}/tests/e2e/probe/probe.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/probe/accessible.cpp)
target_compile_definitions(qvprobe PRIVATE UNICODE _UNICODE)
target_link_options(qvprobe PRIVATE -municode)
target_link_libraries(qvprobe PRIVATE version oleacc ole32 oleaut32)
target_compile_options(qvprobe PRIVATE ${QV_WARNINGS})
# The DLL the end-to-end tests plant beside the program under system DLLs' names.
add_library(qvplanted SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/planted/planted.cpp)
set_target_properties(qvplanted PROPERTIES PREFIX "" OUTPUT_NAME planted)
target_compile_definitions(qvplanted PRIVATE UNICODE _UNICODE)
target_link_options(qvplanted PRIVATE -static)
target_compile_options(qvplanted PRIVATE ${QV_WARNINGS})
add_subdirectory(${CMAKE_SOURCE_DIR}/bench ${CMAKE_BINARY_DIR}/bench)

# The ui tests' PNG kinds, written by ImageMagick at build time.
include(${CMAKE_SOURCE_DIR}/tests/ui/win32/images/images.cmake)
