# Fails when a source file includes a header of a higher layer.
# cmake -DSOURCE_DIR=<checkout>/src -P check-layers.cmake
#
# The layers, lowest first; a folder may include its own headers and those of the
# folders before it. ui may include every layer of the logic, app also ui.
set(layers platform reading keyboard engine results userdata practicelog practice ui app)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(failures "")
set(allowed "")
foreach(layer ${layers})
  list(APPEND allowed ${layer})
  file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z0-9_]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([A-Za-z0-9_]+)/.*" "\\1" target "${line}")
      list(FIND layers ${target} known)
      list(FIND allowed ${target} ok)
      if(known GREATER -1 AND ok EQUAL -1)
        file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
        string(STRIP "${line}" line)
        list(APPEND failures "src/${name} (layer ${layer}): ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Includes of a higher layer:\n  ${text}")
endif()
message(STATUS "No include of a higher layer")
