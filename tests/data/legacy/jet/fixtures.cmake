# SPDX-License-Identifier: GPL-3.0-or-later
# Legacy Access word files and their CSV dumps, kept in the repository beside this file.
# Tests and benchmarks read them from VOKU_FIXTURES_DIR in the build tree, where the
# 50,000-word file (8.4 MB, stored packed) is unpacked. A missing file stops the configure
# step instead of quietly skipping the tests that need it.

set(VOKU_FIXTURES_DIR ${PROJECT_BINARY_DIR}/fixtures)
set(VOKU_LEGACY_FIXTURES
    ace-2007.selected.csv ace-2007.vku ace-2007.word.csv
    empty-words.vku
    large-2000.summary.csv
    medium-2000.summary.csv medium-2000.vku medium-2000.word.csv
    missing-selected.vku missing-selected.word.csv
    not-a-database.vku
    small-2000.selected.csv small-2000.vku small-2000.word.csv
    small-2003.selected.csv small-2003.vku small-2003.word.csv
    truncated.vku
    unicode-2000.selected.csv unicode-2000.vku unicode-2000.word.csv)

set(fixture_outputs)
foreach(file IN LISTS VOKU_LEGACY_FIXTURES ITEMS large-2000.vku.tar.xz)
    if(NOT EXISTS ${CMAKE_CURRENT_LIST_DIR}/${file})
        message(FATAL_ERROR "Legacy fixture missing from the repository: ${file}")
    endif()
endforeach()
foreach(file IN LISTS VOKU_LEGACY_FIXTURES)
    add_custom_command(OUTPUT ${VOKU_FIXTURES_DIR}/jet/${file}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${file} ${VOKU_FIXTURES_DIR}/jet/
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${file}
        VERBATIM)
    list(APPEND fixture_outputs ${VOKU_FIXTURES_DIR}/jet/${file})
endforeach()
# The packed file keeps its old time stamp; touching it lets the build see it as done.
add_custom_command(OUTPUT ${VOKU_FIXTURES_DIR}/jet/large-2000.vku
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VOKU_FIXTURES_DIR}/jet
    COMMAND ${CMAKE_COMMAND} -E chdir ${VOKU_FIXTURES_DIR}/jet
            ${CMAKE_COMMAND} -E tar xf ${CMAKE_CURRENT_LIST_DIR}/large-2000.vku.tar.xz
    COMMAND ${CMAKE_COMMAND} -E touch ${VOKU_FIXTURES_DIR}/jet/large-2000.vku
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/large-2000.vku.tar.xz
    COMMENT "Unpacking the 50,000-word legacy fixture"
    VERBATIM)
list(APPEND fixture_outputs ${VOKU_FIXTURES_DIR}/jet/large-2000.vku)
add_custom_target(voku_fixtures DEPENDS ${fixture_outputs})
