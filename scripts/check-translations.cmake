# Fails when a text of the program is missing from a translation file or unfinished in
# it: lupdate reads the sources into a copy of the file (new texts show as "new",
# texts gone from the sources as "obsolete"), and lrelease counts what is unfinished.
# Run by ctest (Translations) with LUPDATE, LRELEASE, SOURCE_DIR, TS and WORK_DIR.
get_filename_component(name ${TS} NAME)
set(copy ${WORK_DIR}/${name})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${TS} ${copy})
file(GLOB_RECURSE sources ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
list(JOIN sources "\n" listed)
file(WRITE ${WORK_DIR}/sources.lst "${listed}\n")

execute_process(COMMAND ${LUPDATE} -I ${SOURCE_DIR} @${WORK_DIR}/sources.lst -ts ${copy} -no-obsolete -locations none
                OUTPUT_VARIABLE updated ERROR_VARIABLE updated RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${updated}")
endif()
set(problems "")
if(updated MATCHES "\\(([0-9]+) new and" AND NOT CMAKE_MATCH_1 EQUAL 0)
  string(APPEND problems "${CMAKE_MATCH_1} text(s) of the sources are missing from ${name}\n")
endif()
if(updated MATCHES "Removed ([0-9]+) obsolete")
  string(APPEND problems "${CMAKE_MATCH_1} text(s) of ${name} are no longer in the sources\n")
endif()

execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK_DIR}/check.qm
                OUTPUT_VARIABLE released ERROR_VARIABLE released RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lrelease failed:\n${released}")
endif()
if(released MATCHES "\\(([0-9]+) finished and ([0-9]+) unfinished\\)" AND NOT CMAKE_MATCH_2 EQUAL 0)
  string(APPEND problems "${CMAKE_MATCH_2} text(s) are unfinished in ${name}\n")
endif()
if(released MATCHES "Ignored ([0-9]+) untranslated")
  string(APPEND problems "${CMAKE_MATCH_1} text(s) have no translation in ${name}\n")
endif()

if(problems)
  message(FATAL_ERROR "${problems}Bring the file up to date with \"cmake --build <build> --target update_translations\" "
                      "and translate what it marks unfinished.\n${updated}${released}")
endif()
message(STATUS "${name}: every text translated\n${updated}${released}")
