/* The dialog caption: the program name and the reference of the book whose
   word index and heading table are built in. cp1252; shared by the resource
   script and the dialog layer. */
#define QUIREL_CAPTION "Quirel - Volltextsuche f\xFCr LinuxCNC - Dokumentation (deutsch), V2.9.0~pre1+git20230208.f1270d6ed7, von den LinuxCNC-Entwicklern, LinuxCNC.org 2026, https://linuxcnc.org"
