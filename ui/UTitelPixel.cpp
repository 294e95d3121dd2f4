// The title picture's pixels, converted from resources/bilder/titel.png by the build
// (tools/Rohpixel.cpp), in the program's read-only data.
asm(".section .rodata\n"
    ".balign 16\n"
    ".globl knallfeld_titel_pixel\n"
    ".type knallfeld_titel_pixel, @object\n"
    "knallfeld_titel_pixel:\n"
    ".incbin \"" KNALLFELD_TITEL_PIXEL
    "\"\n"
    ".globl knallfeld_titel_pixel_ende\n"
    "knallfeld_titel_pixel_ende:\n"
    ".previous\n");
