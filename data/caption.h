/* The dialog caption: the program name and the reference of the book whose
   word index and heading table are built in. cp1252; shared by the resource
   script and the dialog layer. */
#define QUIREL_CAPTION "Quirel - Volltextsuche f\xFCr ein Beispielbuch (Platzhalter)"
