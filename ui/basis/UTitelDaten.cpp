// The title picture in the compact form, converted from resources/bilder/titel.png by the build
// (tools/Kompaktbild.cpp), in the program's read-only data.
asm(".section .rodata\n"
    ".globl knallfeld_titel\n"
    ".type knallfeld_titel, @object\n"
    "knallfeld_titel:\n"
    ".incbin \"" KNALLFELD_TITEL
    "\"\n"
    ".globl knallfeld_titel_ende\n"
    "knallfeld_titel_ende:\n"
    ".previous\n");
