# embed_file(TARGET SYMBOL FILE): builds FILE into TARGET as the read-only
# byte array SYMBOL, followed by one NUL byte (so a text file is a C string),
# with its length without that NUL in SYMBOL_size. The lengths are kept
# together apart from the bytes: reading one at start-up would otherwise
# bring the pages of its file's end into memory, picture after picture.
# Declare them in C++ as
#   extern "C" const unsigned char SYMBOL[]; extern "C" const unsigned int SYMBOL_size;
function(embed_file target symbol file)
    get_filename_component(path "${file}" ABSOLUTE)
    set(asm "${CMAKE_BINARY_DIR}/embed/${symbol}.S")
    file(WRITE "${asm}.in"
"\t.section .rodata
\t.global ${symbol}
\t.type ${symbol}, @object
\t.balign 16
${symbol}:
\t.incbin \"${path}\"
${symbol}_end:
\t.byte 0
\t.section .embedded_sizes, \"a\"
\t.global ${symbol}_size
\t.type ${symbol}_size, @object
\t.balign 4
${symbol}_size:
\t.long ${symbol}_end - ${symbol}
\t.section .note.GNU-stack,\"\",@progbits
")
    configure_file("${asm}.in" "${asm}" COPYONLY)
    set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${path}")
    target_sources(${target} PRIVATE "${asm}")
endfunction()
