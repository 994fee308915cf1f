#include "textcodec.h"
