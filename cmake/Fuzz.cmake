# One libFuzzer executable per tests/fuzz/*.cpp (fuzz_<name>), each with its seed corpus in
# tests/fuzz/corpus/<name>/. Built with clang in a build folder of its own (build/fuzz).
file(GLOB QV_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
foreach(source ${QV_FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(fuzz_${name} ${source})
  target_link_libraries(fuzz_${name} PRIVATE qvcore)
  target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(fuzz_${name} PRIVATE ${QV_WARNINGS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endforeach()
