# The catalogues of the game's texts: every language of po/LINGUAS, checked by msgfmt and
# compiled, then carried in the exe as resources (CATALOGUE, named by the tag) and read by
# the art generator for the pictures with words. `pot` extracts the template from the
# sources; `po` merges it into every catalogue.
find_program(MSGFMT msgfmt)
find_program(MSGMERGE msgmerge)
find_program(XGETTEXT xgettext)
if(NOT MSGFMT)
  message(FATAL_ERROR "msgfmt (gettext) is needed to build the catalogues")
endif()

set(PO_DIR ${CMAKE_SOURCE_DIR}/po)
set(CATALOGUE_DIR ${CMAKE_BINARY_DIR}/catalogues)
file(STRINGS ${PO_DIR}/LINGUAS PAIRWICK_LANGUAGES REGEX "^[A-Za-z]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PO_DIR}/LINGUAS)

set(CATALOGUE_FILES)
set(catalogue_rc "// Made by the build from po/LINGUAS: the compiled catalogues.\n")
foreach(tag IN LISTS PAIRWICK_LANGUAGES)
  set(mo ${CATALOGUE_DIR}/${tag}.mo)
  # --check refuses a translation whose printf conversions differ from the English ones;
  # --statistics says what is left to translate.
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CATALOGUE_DIR}
    COMMAND ${MSGFMT} --check --statistics -o ${mo} ${PO_DIR}/${tag}.po
    DEPENDS ${PO_DIR}/${tag}.po
    COMMENT "Checking and compiling the ${tag} catalogue")
  list(APPEND CATALOGUE_FILES ${mo})
  string(APPEND catalogue_rc "${tag} CATALOGUE \"${mo}\"\n")
endforeach()
file(GENERATE OUTPUT ${PAIRWICK_GENERATED_DIR}/catalogues.rc CONTENT "${catalogue_rc}")
add_custom_target(catalogues DEPENDS ${CATALOGUE_FILES})

# Where the texts are marked for translation: tr, tr_c, tr_n and the tr_noop marks.
file(GLOB_RECURSE PAIRWICK_TEXT_SOURCES RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/game/*.cpp ${CMAKE_SOURCE_DIR}/screens/*.cpp
  ${CMAKE_SOURCE_DIR}/scores/*.cpp ${CMAKE_SOURCE_DIR}/text/*.cpp
  ${CMAKE_SOURCE_DIR}/resources/*.h)
list(SORT PAIRWICK_TEXT_SOURCES)
set(XGETTEXT_OPTIONS --from-code=UTF-8 --add-comments=TRANSLATORS: --add-location=file
  --package-name=Pairwick --package-version=${PROJECT_VERSION}
  --msgid-bugs-address=https://github.com/pairwick/pairwick/issues --copyright-holder=
  --keyword=tr --keyword=tr_c:1c,2 --keyword=tr_n:1,2 --keyword=tr_noop --keyword=tr_noop_c:1c,2)
if(XGETTEXT)
  add_custom_target(pot
    COMMAND ${XGETTEXT} ${XGETTEXT_OPTIONS} --language=C++ -o ${PO_DIR}/pairwick.pot
            ${PAIRWICK_TEXT_SOURCES}
    COMMAND ${XGETTEXT} ${XGETTEXT_OPTIONS} -j --language=Desktop -o ${PO_DIR}/pairwick.pot
            --keyword=Name --keyword=GenericName --keyword=Comment --keyword=Keywords
            tools/linux/pairwick.desktop.in
    COMMAND ${XGETTEXT} ${XGETTEXT_OPTIONS} -j -o ${PO_DIR}/pairwick.pot
            tools/linux/io.github.pairwick.Pairwick.metainfo.xml
    COMMAND ${XGETTEXT} ${XGETTEXT_OPTIONS} -j --language=Python --keyword=_
            -o ${PO_DIR}/pairwick.pot tools/installer/texts.py
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Extracting the texts into po/pairwick.pot")
endif()
if(MSGMERGE)
  set(merges)
  foreach(tag IN LISTS PAIRWICK_LANGUAGES)
    list(APPEND merges COMMAND ${MSGMERGE} --quiet --update --backup=none
         ${PO_DIR}/${tag}.po ${PO_DIR}/pairwick.pot)
  endforeach()
  add_custom_target(po ${merges} WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Merging po/pairwick.pot into every catalogue")
endif()
