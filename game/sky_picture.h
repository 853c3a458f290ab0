#pragma once
// The sky picture is read from a data file the way the sounds are: opened only if it is a
// regular file, and refused when it is cut short.
#include <QImage>

#include <string>

// Decodes the picture in the file into obraz. False for a file that is not there or is no
// regular file, for a bitmap whose pixels stop before its headers or its own end marker
// say (the decoder would make the rest up and call it a success), and for anything that
// does not decode.
bool nacti_obrazek_nebe(const std::string& soubor, QImage& obraz);
