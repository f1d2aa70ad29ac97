# The suite's help file, mivo.chm, compiled from help/ into the build folder,
# where the installer takes it from.
set(QUORVEX_HELP_PAGES
  commandline.htm comparing.htm drops.htm files.htm folderpicker.htm folders.htm messages.htm
  options.htm panes.htm quorvex.htm quorvexcompare.htm systems.htm)
set(QUORVEX_HELP_SOURCES mivo.hhp contents.hhc index.hhk help.css ${QUORVEX_HELP_PAGES})
list(TRANSFORM QUORVEX_HELP_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/help/ OUTPUT_VARIABLE help_inputs)
set(help_stage ${CMAKE_BINARY_DIR}/help-stage)
# The compiler keeps one context per page: the folder picker's contexts for
# the suite's other programs get copies of its page.
set(help_copies)
foreach(context 142 140 161)
  list(APPEND help_copies COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/help/folderpicker.htm
                                  ${help_stage}/folderpicker${context}.htm)
endforeach()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/mivo.chm
                   COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_stage}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${help_stage}
                   COMMAND ${CMAKE_COMMAND} -E copy ${help_inputs} ${help_stage}
                   ${help_copies}
                   COMMAND ${PROJECT_SOURCE_DIR}/scripts/compile-help.sh ${help_stage} ${CMAKE_BINARY_DIR}/mivo.chm
                   DEPENDS ${help_inputs} ${PROJECT_SOURCE_DIR}/scripts/compile-help.sh
                   COMMENT "Compiling the help file mivo.chm" VERBATIM)
add_custom_target(help_file ALL DEPENDS ${CMAKE_BINARY_DIR}/mivo.chm)
