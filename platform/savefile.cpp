#include "savefile.h"
