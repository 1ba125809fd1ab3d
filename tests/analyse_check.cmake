# Runs nordamo-analyse on good and bad records and checks what it prints and how it ends: a good
# one prints on standard output and nothing else, with exit code 0; a bad one one line on standard
# error, nothing on standard output, and exit code 2.
#   cmake -DPROGRAM=... [-DEMULATOR=...] -P analyse_check.cmake     (EMULATOR runs a cross-built one)
cmake_minimum_required(VERSION 3.25)

function(expect code out err)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN} RESULT_VARIABLE got_code OUTPUT_VARIABLE got_out ERROR_VARIABLE got_err
                  TIMEOUT 60)
  if(NOT got_code STREQUAL code OR NOT got_out STREQUAL out OR NOT got_err STREQUAL err)
    message(FATAL_ERROR "nordamo-analyse ${ARGN}: exit ${got_code}, standard output\n${got_out}standard error\n${got_err}"
                        "expected exit ${code}, standard output\n${out}standard error\n${err}")
  endif()
endfunction()

set(game a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1c4b3d4d3a2b1d2)
set(result "game over: black 15, white 1, black wins by 14")

# The solved game, a pass on the way, and a game that is over.
expect(0 "move 1: black to move\nb1 -10\nc4 -10\na2 -10\nd3 -10\n" "")
expect(0 "move 1: black to move\nb1 -10\nc4 -10\na2 -10\nd3 -10\n" "" "")
expect(0 "move 22: white has no move and passes; black to move\nd2 12\nd4 10\nc4 10\nd3 8\nb3 6\n" ""
       a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1)
expect(0 "${result}\n" "" ${game})

# Reviews: one that stops before the end, and a whole game down to its pass and its last line.
expect(0 "  1 black a2  -10   best  -10: b1 c4 a2 d3
  2 white a3    2   best   10: a1   gave away 8
  3 black a4  -10   best   -2: d4   gave away 8
move 4, white to move: perfect play from here ends black -10; black gave away 8, white 8
" "" --review a2a3a4)
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --review ${game} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT code STREQUAL "0" OR NOT err STREQUAL "" OR NOT count EQUAL 30
   OR NOT out MATCHES "^  1 black a2  -10   best  -10: b1 c4 a2 d3\n"
   OR NOT out MATCHES "\n 21 black a1   12   best   16: d4   gave away 4\n      white passes\n 22 black c4 "
   OR NOT out MATCHES "\n${result}; black gave away 24, white 48\n$")
  message(FATAL_ERROR "nordamo-analyse --review ${game}: exit ${code}, standard output\n${out}standard error\n${err}")
endif()

# A record as people type it: full-width, upper case, separators, a pass where one is due.
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" a2a1 OUTPUT_VARIABLE plain)
expect(0 "${plain}" "" "Ａ２ ａ１")
expect(0 "move 23: white to move\nd4 -10\nb1 -14\nb3 -14\nd2 -16\n" "" "A2,a3,A4,a3,c2,c1,a4,b4,c4,b4,c3,d2,d3,d4,d1,b1,d1,b2,c1,a1,a1 pass c4")

# Bad records and arguments.
set(usage "usage: nordamo-analyse [RECORD] | nordamo-analyse --review RECORD | nordamo-analyse --version\n")
expect(2 "" "nordamo-analyse: move 4 \"d9\": not a cell; cells are a-d and 1-4\n" a2a1c4d9)
expect(2 "" "nordamo-analyse: move 2 \"b2\": not a legal move for white; white may play a1 c1 a3\n" a2b2)
expect(2 "" "nordamo-analyse: move 3 \"a1\": not a legal move for black; black may play b1 c4 a2 d3 c2\n" --review a2a1a1)
expect(2 "" "nordamo-analyse: move 2 \"a\": half a move; a move is two characters, such as a2\n" a2a)
expect(2 "" "nordamo-analyse: move 2 \"あ\": not a character of a record, which holds cells such as a2, passes and separators\n" a2あ)
expect(2 "" "nordamo-analyse: move 2 \"pass\": white has a move and may not pass; white may play a1 c1 a3\n" "a2 pass")
expect(2 "" "nordamo-analyse: move 29 \"a1\": the game is already over\n" ${game}a1)
string(REPEAT a2 5000 long)
expect(2 "" "nordamo-analyse: move 2 \"a2\": not a legal move for white; white may play a1 c1 a3\n" ${long})
expect(2 "" "${usage}" --review)
expect(2 "" "${usage}" a2 a3)
expect(2 "" "${usage}" --reveiw a2)
expect(0 "nordamo-analyse 1.0\n" "" --version)
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --help RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${out}" "${usage}" at)
if(NOT code STREQUAL "0" OR NOT err STREQUAL "" OR NOT at EQUAL 0 OR NOT out MATCHES "RECORD is")
  message(FATAL_ERROR "nordamo-analyse --help: exit ${code}, standard output\n${out}standard error\n${err}")
endif()
