# SPDX-License-Identifier: GPL-3.0-or-later
# Qt6::TextToSpeech for the speech module. Debian's qt6-speech-dev needs Qt's QML
# integration headers (qt6-declarative-dev, some thirty packages) for a single macro that
# only QML reads; without them the library and its headers are taken as they are, with a
# stand-in for that one header.
find_package(Qt6 QUIET COMPONENTS TextToSpeech)
if(NOT TARGET Qt6::TextToSpeech)
    get_target_property(voku_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
    find_path(VOKU_TEXTTOSPEECH_INCLUDE QtTextToSpeech/qtexttospeech.h
        HINTS ${voku_qt_core_includes} PATH_SUFFIXES .. REQUIRED)
    find_library(VOKU_TEXTTOSPEECH_LIBRARY Qt6TextToSpeech REQUIRED)
    add_library(Qt6::TextToSpeech SHARED IMPORTED)
    set_target_properties(Qt6::TextToSpeech PROPERTIES
        IMPORTED_LOCATION ${VOKU_TEXTTOSPEECH_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES
            "${VOKU_TEXTTOSPEECH_INCLUDE};${VOKU_TEXTTOSPEECH_INCLUDE}/QtTextToSpeech;${CMAKE_CURRENT_LIST_DIR}/qmlintegration"
        INTERFACE_LINK_LIBRARIES Qt6::Core)
endif()
