// Compiled with only the include folders of the layers below explain/: the include must fail.
#include "explain/explanation.h"
