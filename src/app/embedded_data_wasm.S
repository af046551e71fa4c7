/* The two data sets and the book description, linked into the WebAssembly
   module in place, as embedded_data.S does for the other builds: the
   WebAssembly assembler wants a size on every data symbol and knows no
   section flags of ELF. */

        .section .rodata.quirel_data,"",@
        .p2align 1
        .globl quirelWordIndexStart
quirelWordIndexStart:
        .incbin QUIREL_WORD_INDEX_FILE
        .size quirelWordIndexStart, . - quirelWordIndexStart
        .globl quirelWordIndexEnd
quirelWordIndexEnd:
        .size quirelWordIndexEnd, 0

        .p2align 1
        .globl quirelHeadingTableStart
quirelHeadingTableStart:
        .incbin QUIREL_HEADING_TABLE_FILE
        .size quirelHeadingTableStart, . - quirelHeadingTableStart
        .globl quirelHeadingTableEnd
quirelHeadingTableEnd:
        .size quirelHeadingTableEnd, 0

        .globl quirelBookDescriptionStart
quirelBookDescriptionStart:
        .incbin QUIREL_BOOK_DESCRIPTION_FILE
        .size quirelBookDescriptionStart, . - quirelBookDescriptionStart
        .globl quirelBookDescriptionEnd
quirelBookDescriptionEnd:
        .size quirelBookDescriptionEnd, 0
