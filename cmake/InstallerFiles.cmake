# Run at build time (cmake -P) once the install layout is assembled: writes the NSIS macros
# that install and remove exactly the files of DIST_DIR, so the uninstaller removes what the
# installer put there and nothing a user added. config.bin and str.ini are left out: the
# script installs them without overwriting and removes them only when asked to.
#   -DDIST_DIR=<install layout> -DOUT=<file.nsh>
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${DIST_DIR} ${DIST_DIR}/*)
list(SORT files)

# One digest of every file's name and content: the macros file changes, and so the
# installer is packed again, exactly when the layout does.
set(contents "")
foreach(file ${files})
  file(SHA256 ${DIST_DIR}/${file} hash)
  string(APPEND contents "${file} ${hash}\n")
endforeach()
string(SHA256 digest "${contents}")
list(REMOVE_ITEM files config.bin str.ini)

set(install "; layout ${digest}\n!macro QV_INSTALL_FILES\n")
set(uninstall "!macro QV_UNINSTALL_FILES\n")
set(dirs "")
set(current_dir "-")
foreach(file ${files})
  get_filename_component(dir ${file} DIRECTORY)
  string(REPLACE "/" "\\" windows_file "${file}")
  string(REPLACE "/" "\\" windows_dir "${dir}")
  if(NOT dir STREQUAL current_dir)
    set(current_dir ${dir})
    if(dir)
      string(APPEND install "  SetOutPath \"$INSTDIR\\${windows_dir}\"\n")
    else()
      string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
    endif()
    # Every folder on the way up, so that each can be removed once it is empty.
    while(dir AND NOT dir IN_LIST dirs)
      list(APPEND dirs ${dir})
      get_filename_component(dir ${dir} DIRECTORY)
    endwhile()
  endif()
  string(APPEND install "  File \"${DIST_DIR}/${file}\"\n")
  string(APPEND uninstall "  Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\"\n!macroend\n")

# Deepest folders first; RMDir without /r leaves a folder that still holds a user's file.
list(SORT dirs ORDER DESCENDING)
foreach(dir ${dirs})
  string(REPLACE "/" "\\" windows_dir "${dir}")
  string(APPEND uninstall "  RMDir \"$INSTDIR\\${windows_dir}\"\n")
endforeach()
string(APPEND uninstall "!macroend\n")

file(WRITE ${OUT}.tmp "${install}${uninstall}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
