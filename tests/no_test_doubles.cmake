# SPDX-License-Identifier: GPL-2.0-or-later
# cmake -DPROGRAM=<file> -P no_test_doubles.cmake: fails when the program carries a test double.
execute_process(COMMAND nm -C ${PROGRAM} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm could not read ${PROGRAM}")
endif()
foreach(double TestPrinters RecordingSurface MemoryRegistry)
  string(FIND "${symbols}" "${double}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} carries the test double ${double}")
  endif()
endforeach()
