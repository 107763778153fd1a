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

# The template, from every text marked in the sources (po/extract.sh).
if(XGETTEXT)
  add_custom_target(pot
    COMMAND ${CMAKE_SOURCE_DIR}/po/extract.sh ${PO_DIR}/pairwick.pot ${PROJECT_VERSION}
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
