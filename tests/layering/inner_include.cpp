// Compiled with the toolkit layer's public include folder: its own detail/ headers stay out of
// reach, and the include must fail.
#include "ui/detail/qt_convert.h"
