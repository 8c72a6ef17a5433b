# kolvar_embed(<target> <symbol> <file>)
# Compiles the bytes of <file> into <target> as
#   extern const unsigned char <symbol>[]; extern const std::size_t <symbol>_size;
# so the program carries its fonts and pictures without reading files at run time.
function(kolvar_embed target symbol file)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/KolvarEmbedFile.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/KolvarEmbedFile.cmake
    COMMENT "Embedding ${file}")
  target_sources(${target} PRIVATE ${out})
endfunction()
