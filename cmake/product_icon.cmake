# draw_product_icon(NAME RC_FILE OUT_DIR_VAR): draws product/art's icon NAME into
# <binary dir>/art/NAME.ico before RC_FILE is compiled, and sets OUT_DIR_VAR to that folder.
function(draw_product_icon name rc_file out_dir_var)
  set(art ${CMAKE_CURRENT_BINARY_DIR}/art)
  add_custom_command(
    OUTPUT ${art}/${name}.ico
    COMMAND ${CMAKE_COMMAND} -E make_directory ${art}
    COMMAND python3 ${PROJECT_SOURCE_DIR}/product/art/make_icon.py ${name} ${art}/${name}.ico
    DEPENDS ${PROJECT_SOURCE_DIR}/product/art/make_icon.py
    COMMENT "Drawing the ${name} icon")
  set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS ${art}/${name}.ico)
  set(${out_dir_var} ${art} PARENT_SCOPE)
endfunction()
