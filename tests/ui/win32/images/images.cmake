# The picture in pixels.txt as ImageMagick writes it in each PNG kind the skins may use
# (RGBA, palette with alpha, RGB, grey), each kind beside a 32-bit RGBA twin that
# ImageMagick writes from that file. Made at build time: Wine cannot wait for a Unix
# program that a test starts.
set(QV_TEST_IMAGE_DIR ${CMAKE_BINARY_DIR}/test_images)
set(source ${CMAKE_CURRENT_LIST_DIR}/pixels.txt)
set(names rgba.png palette.png palette32.png rgb.png rgb32.png grey.png grey32.png)
list(TRANSFORM names PREPEND ${QV_TEST_IMAGE_DIR}/ OUTPUT_VARIABLE outputs)
set(out ${QV_TEST_IMAGE_DIR})
add_custom_command(OUTPUT ${outputs}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
  COMMAND ${QV_IM_CONVERT} ${source} PNG32:${out}/rgba.png
  COMMAND ${QV_IM_CONVERT} ${source} -type PaletteAlpha ${out}/palette.png
  COMMAND ${QV_IM_CONVERT} ${out}/palette.png PNG32:${out}/palette32.png
  COMMAND ${QV_IM_CONVERT} ${source} -alpha off PNG24:${out}/rgb.png
  COMMAND ${QV_IM_CONVERT} ${out}/rgb.png PNG32:${out}/rgb32.png
  COMMAND ${QV_IM_CONVERT} ${source} -alpha off -colorspace Gray -define png:color-type=0 ${out}/grey.png
  COMMAND ${QV_IM_CONVERT} ${out}/grey.png PNG32:${out}/grey32.png
  DEPENDS ${source} ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Writing the ui tests' PNG kinds"
  VERBATIM)
add_custom_target(ui_test_images DEPENDS ${outputs})
add_dependencies(ui_win_tests ui_test_images)
target_compile_definitions(ui_win_tests PRIVATE QV_TEST_IMAGE_DIR="${QV_TEST_IMAGE_DIR}")
