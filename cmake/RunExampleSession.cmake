# Runs one example session as tools/example.sh would, in a fresh work folder on an empty system folder,
# and compares what it prints with the expected output beside the session.
# cmake -DHOST=... -DPLUGINS=... -DSCRIPT=... -DEXPECTED=... -DDOCUMENT=... -DWORK=... -P RunExampleSession.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DOCUMENT} DESTINATION ${WORK})
# A plug-in's own example documents lie beside its sessions.
get_filename_component(session_folder ${SCRIPT} DIRECTORY)
file(GLOB own_documents ${session_folder}/*.json)
if(own_documents)
  file(COPY ${own_documents} DESTINATION ${WORK})
endif()
execute_process(
  COMMAND ${HOST} --plugins ${PLUGINS} --system-dir ${WORK}/system --work-dir ${WORK} --script ${SCRIPT}
  OUTPUT_VARIABLE printed ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR NOT printed STREQUAL expected)
  file(WRITE ${WORK}/printed.txt "${printed}")
  message(FATAL_ERROR "${SCRIPT} ended with status ${status}\n"
    "--- it printed (kept in ${WORK}/printed.txt):\n${printed}"
    "--- on the error stream:\n${errors}"
    "--- expected (${EXPECTED}):\n${expected}")
endif()
