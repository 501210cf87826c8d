# Delay-loaded system DLLs. The loader resolves an exe's static imports before main runs,
# searching the exe's own folder first for a DLL that is not a KnownDLL; these few are
# therefore imported only when first called, after main has limited the search to System32.
# (GNU ld 2.40 cannot set the load-config DependentLoadFlags that would do this for static
# imports.) For each: a .def of the import library's names, then dlltool's delay library.
#   qv_delay_load_libraries(<out-var> <lib>...)  answers the libraries to link first.
find_program(QV_DLLTOOL x86_64-w64-mingw32-dlltool REQUIRED)

function(qv_delay_load_libraries out)
  set(libraries "")
  foreach(lib ${ARGN})
    find_library(QV_IMPORT_${lib} NAMES lib${lib}.a REQUIRED)
    execute_process(COMMAND ${CMAKE_NM} --defined-only ${QV_IMPORT_${lib}}
                    OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "__imp_[A-Za-z_0-9]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE "^__imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    set(def ${CMAKE_BINARY_DIR}/delayload/${lib}.def)
    file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${lib}.dll\nEXPORTS\n${exports}\n" @ONLY)
    set(delay ${CMAKE_BINARY_DIR}/delayload/libdelay_${lib}.a)
    add_custom_command(OUTPUT ${delay}
      COMMAND ${QV_DLLTOOL} --input-def ${def} --dllname ${lib}.dll --output-delaylib ${delay}
      DEPENDS ${def}
      COMMENT "Delay-load library for ${lib}.dll"
      VERBATIM)
    list(APPEND libraries ${delay})
  endforeach()
  add_custom_target(delay_load_libraries DEPENDS ${libraries})
  set(${out} ${libraries} PARENT_SCOPE)
endfunction()
