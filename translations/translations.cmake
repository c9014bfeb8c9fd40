# SPDX-License-Identifier: GPL-3.0-or-later
# The interface's translations: compiled into chatwatch_core, brought up to
# date with the sources by `make translations`, and checked by the test
# translations_complete.
find_package(Qt${CHATWATCH_QT} REQUIRED COMPONENTS LinguistTools)
set(CHATWATCH_LUPDATE Qt${CHATWATCH_QT}::lupdate)

set(CHATWATCH_LANGUAGES en zh_CN)
set(ts_files "")
set(qrc_lines "")
foreach(language ${CHATWATCH_LANGUAGES})
    list(APPEND ts_files ${CMAKE_CURRENT_SOURCE_DIR}/translations/chatwatch_${language}.ts)
    string(APPEND qrc_lines "    <file alias=\"chatwatch_${language}.qm\">${CMAKE_CURRENT_BINARY_DIR}/chatwatch_${language}.qm</file>\n")
endforeach()
qt_add_translation(qm_files ${ts_files})

# Rewritten only when the list changes, so the resource is not rebuilt for nothing.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc.in
    "<RCC>\n  <qresource prefix=\"/translations\">\n${qrc_lines}  </qresource>\n</RCC>\n")
configure_file(${CMAKE_CURRENT_BINARY_DIR}/translations.qrc.in ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc COPYONLY)
qt_add_resources(translations_rcc ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc)
target_sources(chatwatch_core PRIVATE ${qm_files} ${translations_rcc})

# Where translatable texts live: code and forms.
set(CHATWATCH_TEXT_SOURCES app monitor speech starmap ui desktop chatwatch)
# Keeps the translations of texts that are gone, marked, so a translator can
# reuse them; translations_prune drops them.
add_custom_target(translations
    COMMAND ${CHATWATCH_LUPDATE} -I . -locations none ${CHATWATCH_TEXT_SOURCES} -ts ${ts_files}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} VERBATIM)
add_custom_target(translations_prune
    COMMAND ${CHATWATCH_LUPDATE} -I . -locations none -no-obsolete ${CHATWATCH_TEXT_SOURCES} -ts ${ts_files}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} VERBATIM)

add_test(NAME translations_complete
    COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/tests/checktranslations.py
        $<TARGET_FILE:${CHATWATCH_LUPDATE}> ${CHATWATCH_TEXT_SOURCES} -ts ${ts_files}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
