/* The two data sets, linked into the executable in place: the word index
   (resource BIN 103) and the heading table (BIN 104), and the book's
   description (BIN 105). The data sets start on an even address, so every
   16-bit field inside them does too. The file names come from the build as
   QUIREL_WORD_INDEX_FILE, QUIREL_HEADING_TABLE_FILE and
   QUIREL_BOOK_DESCRIPTION_FILE. */

        .section .rodata
        .balign 2
        .globl quirelWordIndexStart
quirelWordIndexStart:
        .incbin QUIREL_WORD_INDEX_FILE
        .globl quirelWordIndexEnd
quirelWordIndexEnd:

        .balign 2
        .globl quirelHeadingTableStart
quirelHeadingTableStart:
        .incbin QUIREL_HEADING_TABLE_FILE
        .globl quirelHeadingTableEnd
quirelHeadingTableEnd:

        .globl quirelBookDescriptionStart
quirelBookDescriptionStart:
        .incbin QUIREL_BOOK_DESCRIPTION_FILE
        .globl quirelBookDescriptionEnd
quirelBookDescriptionEnd:

        .section .note.GNU-stack,"",%progbits
