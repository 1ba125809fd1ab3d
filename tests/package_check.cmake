# Installs the build into a fresh prefix and makes its Debian package in a scratch folder, then
# checks both: the same files land in each (the program in bin/ there, in /usr/games in the
# package), the icons' sizes, the package's fields and dependencies, one version throughout, and
# what desktop-file-validate, appstreamcli and, when installed, lintian say of the package.
#   cmake -DBUILD_DIR=... -DSCRATCH=... -DVERSION=... -P package_check.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${SCRATCH}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(failed)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed:\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${SCRATCH}/local")
run("${CMAKE_CPACK_COMMAND}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${SCRATCH}/package")
run(dpkg --print-architecture)
string(STRIP "${output}" architecture)
set(package "${SCRATCH}/package/nordamo_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${package}")
  message(FATAL_ERROR "cpack made no ${package}")
endif()

# 1. Exactly these files, in both: no test, tool or benchmark slips in.
set(id io.github.nordamo.nordamo)
set(review io.github.nordamo.review)
set(data share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
  share/applications/${review}.desktop share/metainfo/${review}.metainfo.xml
  share/man/man6/nordamo.6.gz share/man/man6/nordamo-analyse.6.gz share/man/man6/nordamo-review.6.gz
  share/doc/nordamo/copyright
  share/doc/nordamo/changelog.gz)
foreach(size 16 24 32 48 64 128)
  list(APPEND data share/icons/hicolor/${size}x${size}/apps/nordamo.png)
endforeach()
set(expected bin/nordamo bin/nordamo-analyse bin/nordamo-review ${data})
file(GLOB_RECURSE installed RELATIVE "${SCRATCH}/local" "${SCRATCH}/local/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "cmake --install gave\n  ${installed}\nnot\n  ${expected}")
endif()
run(dpkg-deb --contents "${package}")
string(REGEX MATCHALL "[^\n]+" lines "${output}")
set(packed "")
foreach(line IN LISTS lines)
  if(line MATCHES "^-[^ ]* root/root .* \\./(usr/[^ ]+)$")
    list(APPEND packed "${CMAKE_MATCH_1}")
  elseif(NOT line MATCHES "^d[^ ]* root/root .* \\./usr/([^ ]*/)?$")
    message(FATAL_ERROR "package holds something other than root's files and folders: ${line}")
  endif()
endforeach()
list(TRANSFORM data PREPEND usr/)
set(expected usr/games/nordamo usr/games/nordamo-analyse usr/games/nordamo-review ${data})
list(SORT packed)
list(SORT expected)
if(NOT packed STREQUAL expected)
  message(FATAL_ERROR "the package holds\n  ${packed}\nnot\n  ${expected}")
endif()

# 2. The icons have their sizes: a PNG's width and height are the big-endian words at byte 16.
run(dpkg-deb -x "${package}" "${SCRATCH}/root")
set(root "${SCRATCH}/root/usr")
foreach(size 16 24 32 48 64 128)
  file(READ "${root}/share/icons/hicolor/${size}x${size}/apps/nordamo.png" header HEX OFFSET 16 LIMIT 8)
  math(EXPR word "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "00000000" word "${word}")
  string(REGEX MATCH "........$" word "${word}")
  if(NOT header STREQUAL "${word}${word}")
    message(FATAL_ERROR "the ${size} pixel icon is not ${size} x ${size}: ${header}")
  endif()
endforeach()

# 3. The fields; the libraries come from dpkg-shlibdeps, the font is named by hand.
run(dpkg-deb --field "${package}" Package Version Architecture Section Maintainer Depends Description)
foreach(field "Package: nordamo" "Version: ${VERSION}" "Architecture: ${architecture}" "Section: games"
    "Maintainer: [^\n]+ <[^@\n]+@[^>\n]+>" "Description: [^\n]+\n [^\n]+")
  if(NOT output MATCHES "(^|\n)${field}")
    message(FATAL_ERROR "the package lacks the field ${field}:\n${output}")
  endif()
endforeach()
string(REGEX MATCH "Depends: [^\n]*" depends "${output}")
# Since Debian 13 some of Qt's libraries carry "t64" in their names, the mark of 64-bit time.
foreach(dependency fonts-ipafont-gothic "libqt6core6(t64)?" "libqt6gui6(t64)?" "libqt6widgets6(t64)?" libjpeg62-turbo
    libstdc\\+\\+6 libc6)
  if(NOT depends MATCHES "[ ,]${dependency}( |,|$)")
    message(FATAL_ERROR "the package does not depend on ${dependency}: ${depends}")
  endif()
endforeach()

# 4. One version: the package's, the newest release in the metadata, the newest changelog entry.
set(metainfo "${root}/share/metainfo/${id}.metainfo.xml")
file(READ "${metainfo}" text)
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${text}")
set(released "${CMAKE_MATCH_1}")
run(gzip -dc "${root}/share/doc/nordamo/changelog.gz")
string(REGEX MATCH "^nordamo \\(([^)]*)\\)" _ "${output}")
if(NOT released STREQUAL VERSION OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the metadata's newest release is ${released}, the changelog's ${CMAKE_MATCH_1}, not ${VERSION}")
endif()

# 5. The validators: nothing to say of the desktop entry, no error or warning of the metadata
#    (appstreamcli fails on them, and checks that the desktop entry it names is there) and no
#    error or warning of lintian.
foreach(entry "${root}/share/applications/${id}.desktop" "${root}/share/applications/${review}.desktop")
  run(desktop-file-validate "${entry}")
  if(NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
  endif()
endforeach()
set(entry "${root}/share/applications/${id}.desktop")
file(STRINGS "${entry}" lines ENCODING UTF-8)
foreach(expected "Exec=nordamo" "Icon=nordamo" "Name=Nordamo" "Name[ja]=ノルダモ")
  if(NOT expected IN_LIST lines)
    message(FATAL_ERROR "desktop entry lacks ${expected}")
  endif()
endforeach()
run(appstreamcli validate-tree --no-net "${SCRATCH}/root")
find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" "${package}" OUTPUT_VARIABLE output ERROR_QUIET)
  if(output MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian:\n${output}")
  endif()
else()
  message(STATUS "lintian is not installed: the package is not judged by it")
endif()
