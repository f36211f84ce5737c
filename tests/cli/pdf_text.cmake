# Prints a report into a PDF file and reads its text back with pdftotext: the
# fonts go into the file with their text maps, so every text of the page can
# be found and copied. Arguments: PROGRAM, PDFTOTEXT, ARGS ("|"-separated),
# PDF, EXPECTED ("|"-separated texts that must all occur).
string(REPLACE "|" ";" args "${ARGS}")
file(REMOVE "${PDF}")
execute_process(COMMAND "${PROGRAM}" ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "print failed (${rc}):\n${out}${err}")
endif()
execute_process(COMMAND "${PDFTOTEXT}" -layout "${PDF}" - RESULT_VARIABLE rc OUTPUT_VARIABLE text)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pdftotext failed on ${PDF}")
endif()
string(REPLACE "|" ";" expected "${EXPECTED}")
foreach(piece IN LISTS expected)
  string(FIND "${text}" "${piece}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "'${piece}' is not in the text of ${PDF}:\n${text}")
  endif()
endforeach()
