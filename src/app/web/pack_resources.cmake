# Writes the book's three resources as the page carries them: each file
# compressed with gzip and written in base64, in a script that names each by
# its resource number:
#   var quirelPackedResources = [[103, "H4sI..."], [104, "..."], [105, "..."]];
# The page unpacks them before the program starts (page_start.js): a third of
# the text to parse that the raw bytes would be.
# Usage: cmake -DFILES="103=PATH;104=PATH;105=PATH" -DOUTPUT=FILE -P pack_resources.cmake
set(entries "")
foreach(entry ${FILES})
  string(REGEX MATCH "^([0-9]+)=(.*)$" matched "${entry}")
  set(id ${CMAKE_MATCH_1})
  set(file ${CMAKE_MATCH_2})
  execute_process(COMMAND sh -c "gzip -9 -n -c \"$1\" | base64 -w0" sh "${file}"
                  OUTPUT_VARIABLE packed RESULT_VARIABLE failed)
  if(failed OR packed STREQUAL "")
    message(FATAL_ERROR "cannot pack ${file}")
  endif()
  list(APPEND entries "[${id}, \"${packed}\"]")
endforeach()
list(JOIN entries ",\n  " joined)
file(WRITE "${OUTPUT}" "var quirelPackedResources = [\n  ${joined}\n];\n")
