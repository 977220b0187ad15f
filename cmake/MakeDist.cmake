# Lays out the program folder DIST from the program EXE, the NOTICES file and
# the generated art in ART_DIR, then zips it beside the folder as
# Mossleaf4-win32.zip.
file(REMOVE_RECURSE ${DIST})
file(MAKE_DIRECTORY ${DIST})
file(COPY ${EXE} DESTINATION ${DIST})
# With Windows line ends, so that any Notepad shows it in lines.
file(READ ${NOTICES} notices)
string(REPLACE "\n" "\r\n" notices "${notices}")
file(WRITE ${DIST}/NOTICES.txt "${notices}")
if(ART_DIR AND EXISTS ${ART_DIR}/data004)
  file(COPY ${ART_DIR}/data004 DESTINATION ${DIST})
endif()
if(ART_DIR AND EXISTS ${ART_DIR}/ZEP04.mid)
  file(COPY ${ART_DIR}/ZEP04.mid DESTINATION ${DIST})
endif()
get_filename_component(parent ${DIST} DIRECTORY)
get_filename_component(folder ${DIST} NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${parent}/../Mossleaf4-win32.zip --format=zip ${folder}
                WORKING_DIRECTORY ${parent} RESULT_VARIABLE zipped)
if(NOT zipped EQUAL 0)
  message(FATAL_ERROR "could not make Mossleaf4-win32.zip")
endif()
