# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made in the build folder with `cpack -G DEB`:
# voku_<version>_amd64.deb installing under /usr. dpkg-shlibdeps finds the libraries the
# programs link; what they only load at run time is named here.
set(CPACK_PACKAGE_NAME voku)
set(CPACK_PACKAGE_VENDOR "VOKU")
set(CPACK_PACKAGE_CONTACT "VOKU developers <voku@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English vocabulary flash cards with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION "VOKU英単カード is a flash-card drill for English vocabulary \
with a Japanese user interface: pick word groups, turn each card and grade yourself OK or NG; \
every word moves between five levels and the progress is stored at once. It prints word cards \
and comes with voku-words, a command-line tool for CSV word lists.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese fonts for every screen and card (Noto for CJK beyond the BMP such as 𠮷,
# Symbola for emoji on paper); Qt's Japanese texts for its dialogs; the SVG icon engine
# for the window icon; Qt TextToSpeech for the speech module.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-noto-cjk, fonts-symbola, qt6-translations-l10n, libqt6svg6, libqt6texttospeech6")
# Wayland sessions, without which Qt runs through XWayland; the offline voice that reads
# the words out, without which the program stays silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, qt6-speech-flite-plugin")
include(CPack)
