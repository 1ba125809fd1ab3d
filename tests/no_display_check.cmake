# Starts the program where no display can be opened and checks that it says so on one line of
# its standard error and ends with exit code 1, not with Qt's abort.
#   cmake -DPROGRAM=... -DSAYS="nordamo: the game" -DRUNTIME_DIR=... -P no_display_check.cmake
cmake_minimum_required(VERSION 3.25)
file(MAKE_DIRECTORY "${RUNTIME_DIR}")
file(CHMOD "${RUNTIME_DIR}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# Each run's environment, the variables separated by spaces: none at all; an X display that does
# not answer; that and a Wayland display that does not answer either; X11 chosen by the person.
set(environments
  ""
  "DISPLAY=:9999"
  "DISPLAY=:9999 WAYLAND_DISPLAY=nowhere XDG_RUNTIME_DIR=${RUNTIME_DIR}"
  "QT_QPA_PLATFORM=xcb"
)
set(expected "^${SAYS} needs a graphical display[^\n]*DISPLAY[^\n]*WAYLAND_DISPLAY[^\n]*QT_QPA_PLATFORM\n$")
foreach(environment IN LISTS environments)
  separate_arguments(variables UNIX_COMMAND "${environment}")
  execute_process(COMMAND env -i ${variables} "${PROGRAM}" RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT code STREQUAL "1" OR NOT out STREQUAL "" OR NOT err MATCHES "${expected}")
    message(FATAL_ERROR "with '${environment}': exit ${code}, standard output '${out}', standard error '${err}'")
  endif()
endforeach()
