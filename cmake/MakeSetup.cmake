# Makes Mossleaf4-setup.exe (OUTFILE) from the program folder DIST with NSIS
# (MAKENSIS, the script NSI). The installer installs exactly the files of DIST
# and its uninstaller removes exactly those: both lists are written here, from
# the one folder, into FILES in the build folder.
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${DIST} ${DIST}/*)
list(SORT entries)
set(install "Function InstallFiles\n")
set(remove "Function un.UninstallFiles\n")
set(folders)
set(bytes 0)
set(current_folder "-")
foreach(entry ${entries})
  string(REPLACE "/" "\\" windows_name "${entry}")
  if(IS_DIRECTORY ${DIST}/${entry})
    list(PREPEND folders "${windows_name}")
    continue()
  endif()
  get_filename_component(folder "${windows_name}" DIRECTORY)
  if(NOT folder STREQUAL current_folder)
    set(current_folder "${folder}")
    if(folder)
      string(APPEND install "  SetOutPath \"$INSTDIR\\${folder}\"\n")
    else()
      string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
    endif()
  endif()
  string(APPEND install "  File \"${DIST}/${entry}\"\n")
  string(APPEND remove "  Delete \"$INSTDIR\\${windows_name}\"\n")
  file(SIZE ${DIST}/${entry} size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
# Deepest first; a folder the user put something in stays.
foreach(folder ${folders})
  string(APPEND remove "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${FILES} "${install}FunctionEnd\n\n${remove}FunctionEnd\n")
math(EXPR kib "(${bytes} + 1023) / 1024")

execute_process(COMMAND ${MAKENSIS} -V2 -DDIST=${DIST} -DOUTFILE=${OUTFILE} -DICON=${ICON}
                        -DNOTICES=${DIST}/NOTICES.txt -DESTIMATED_KB=${kib} -DFILES=${FILES} ${NSI}
                RESULT_VARIABLE made)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "makensis could not make ${OUTFILE}")
endif()
