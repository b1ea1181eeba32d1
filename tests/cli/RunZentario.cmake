# Runs the real program the way a terminal does, in an empty folder that is also its home, with no
# display (a Qt application object would abort on the xcb platform), and checks what it answers.
#   PROGRAM  the executable          ARGS   its arguments, separated by |
#   STATUS   the exit status         OUT    a regular expression standard output must match
#   ERR      a regular expression standard error must match (must be empty when STATUS is 0)
#   JSON     checks of the JSON answer, separated by |: "ohm=4700", "bands 0=黄" (path=value)
#   FOLDER   the folder to run in; it must stay empty

string(REPLACE "|" ";" args "${ARGS}")
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
          HOME=${FOLDER} XDG_CONFIG_HOME=${FOLDER} "${PROGRAM}" ${args}
  WORKING_DIRECTORY "${FOLDER}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)

set(problems "")
if(NOT status STREQUAL STATUS)
  string(APPEND problems "exit status ${status}, expected ${STATUS}\n")
endif()
if(NOT out MATCHES "${OUT}")
  string(APPEND problems "standard output does not match ${OUT}\n")
endif()
if(STATUS EQUAL 0 AND NOT err STREQUAL "")
  string(APPEND problems "standard error is not empty\n")
endif()
if(NOT STATUS EQUAL 0)
  # One clear line: a single line feed, at the end.
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines count)
  if(NOT count EQUAL 1 OR NOT err MATCHES "\n$" OR NOT err MATCHES "${ERR}")
    string(APPEND problems "standard error is not one line matching ${ERR}\n")
  endif()
endif()
if(JSON)
  string(REPLACE "|" ";" checks "${JSON}")
  foreach(check IN LISTS checks)
    string(FIND "${check}" "=" eq)
    string(SUBSTRING "${check}" 0 ${eq} path)
    math(EXPR from "${eq} + 1")
    string(SUBSTRING "${check}" ${from} -1 want)
    string(REPLACE " " ";" path "${path}")
    string(JSON got ERROR_VARIABLE json_error GET "${out}" ${path})
    if(json_error)
      string(APPEND problems "JSON: ${json_error}\n")
    elseif(NOT got STREQUAL want)
      string(APPEND problems "JSON ${check}: got ${got}\n")
    endif()
  endforeach()
endif()
file(GLOB left "${FOLDER}/*" "${FOLDER}/.*")
if(left)
  string(APPEND problems "left behind: ${left}\n")
endif()

if(problems)
  message(FATAL_ERROR "zentario ${args}\n${problems}standard output:\n${out}standard error:\n${err}")
endif()
